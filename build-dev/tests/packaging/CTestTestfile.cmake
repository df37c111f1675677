# CMake generated Testfile for 
# Source directory: /work/main/tests/packaging
# Build directory: /work/main/build-dev/tests/packaging
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
add_test(BuiltExecutablesHaveNoRelativeLibraryPath "/work/main/tests/packaging/check-runpath.sh" "/work/main/build-dev" "kelmo" "kelmo-gui")
set_tests_properties(BuiltExecutablesHaveNoRelativeLibraryPath PROPERTIES  _BACKTRACE_TRIPLES "/work/main/tests/packaging/CMakeLists.txt;2;add_test;/work/main/tests/packaging/CMakeLists.txt;0;")
add_test(DebianPackage "/work/main/tests/packaging/check-package.sh" "/work/main" "org.kelmo.kelmo" "2.0.0")
set_tests_properties(DebianPackage PROPERTIES  LABELS "package" RUN_SERIAL "ON" SKIP_RETURN_CODE "77" TIMEOUT "1200" _BACKTRACE_TRIPLES "/work/main/tests/packaging/CMakeLists.txt;7;add_test;/work/main/tests/packaging/CMakeLists.txt;0;")
