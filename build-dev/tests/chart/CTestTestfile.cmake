# CMake generated Testfile for 
# Source directory: /work/main/tests/chart
# Build directory: /work/main/build-dev/tests/chart
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
include("/work/main/build-dev/tests/chart/chart_tests[1]_include.cmake")
include("/work/main/build-dev/tests/chart/chart_rendering_tests[1]_include.cmake")
include("/work/main/build-dev/tests/chart/chart_view_tests[1]_include.cmake")
