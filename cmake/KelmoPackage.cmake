# make package: build/kelmo_<version>_amd64.deb of everything `cmake --install`
# installs, its dependencies computed from the binaries by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelmo)
set(CPACK_PACKAGE_VENDOR "Kelmo Software")
set(CPACK_PACKAGE_CONTACT "${KELMO_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "disk usage viewer that shows directories as a pie chart")
set(CPACK_PACKAGE_DESCRIPTION [[
Kelmo walks a mounted file system once, adds up the bytes under every
directory and shows the directory on display as a pie chart with one slice
per sub-directory, next to a key with each sub-directory's name and size.
kelmo --report prints the same figures without a window.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${KELMO_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's serif captions are drawn in Liberation Serif where it is installed.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
