# CMake generated Testfile for 
# Source directory: /work/main/tests/survey
# Build directory: /work/main/build-dev/tests/survey
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
include("/work/main/build-dev/tests/survey/survey_tests[1]_include.cmake")
