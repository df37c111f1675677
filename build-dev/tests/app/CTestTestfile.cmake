# CMake generated Testfile for 
# Source directory: /work/main/tests/app
# Build directory: /work/main/build-dev/tests/app
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
include("/work/main/build-dev/tests/app/app_tests[1]_include.cmake")
include("/work/main/build-dev/tests/app/saved_scan_tests[1]_include.cmake")
include("/work/main/build-dev/tests/app/compare_report_tests[1]_include.cmake")
include("/work/main/build-dev/tests/app/app_start_tests[1]_include.cmake")
include("/work/main/build-dev/tests/app/output_file_tests[1]_include.cmake")
add_test(CommandLineStatusesAndMessages "/work/main/tests/app/command-line.sh" "/work/main/build-dev/app/kelmo" "/work/main/build-dev/app/kelmo-gui")
set_tests_properties(CommandLineStatusesAndMessages PROPERTIES  TIMEOUT "120" _BACKTRACE_TRIPLES "/work/main/tests/app/CMakeLists.txt;5;add_test;/work/main/tests/app/CMakeLists.txt;0;")
add_test(BashCompletion "/work/main/tests/app/completion.sh" "/work/main/build-dev/app/completions/kelmo.bash")
set_tests_properties(BashCompletion PROPERTIES  _BACKTRACE_TRIPLES "/work/main/tests/app/CMakeLists.txt;14;add_test;/work/main/tests/app/CMakeLists.txt;0;")
