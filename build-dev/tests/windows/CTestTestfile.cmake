# CMake generated Testfile for 
# Source directory: /work/main/tests/windows
# Build directory: /work/main/build-dev/tests/windows
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
include("/work/main/build-dev/tests/windows/windows_tests[1]_include.cmake")
