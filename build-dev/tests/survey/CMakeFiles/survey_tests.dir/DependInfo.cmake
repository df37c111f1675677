
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/tests/survey/FormatBytesTest.cpp" "tests/survey/CMakeFiles/survey_tests.dir/FormatBytesTest.cpp.o" "gcc" "tests/survey/CMakeFiles/survey_tests.dir/FormatBytesTest.cpp.o.d"
  "/work/main/tests/survey/LargestFilesTest.cpp" "tests/survey/CMakeFiles/survey_tests.dir/LargestFilesTest.cpp.o" "gcc" "tests/survey/CMakeFiles/survey_tests.dir/LargestFilesTest.cpp.o.d"
  "/work/main/tests/survey/MountTableTest.cpp" "tests/survey/CMakeFiles/survey_tests.dir/MountTableTest.cpp.o" "gcc" "tests/survey/CMakeFiles/survey_tests.dir/MountTableTest.cpp.o.d"
  "/work/main/tests/survey/PrefetchingSourceTest.cpp" "tests/survey/CMakeFiles/survey_tests.dir/PrefetchingSourceTest.cpp.o" "gcc" "tests/survey/CMakeFiles/survey_tests.dir/PrefetchingSourceTest.cpp.o.d"
  "/work/main/tests/survey/RemoveSubtreeTest.cpp" "tests/survey/CMakeFiles/survey_tests.dir/RemoveSubtreeTest.cpp.o" "gcc" "tests/survey/CMakeFiles/survey_tests.dir/RemoveSubtreeTest.cpp.o.d"
  "/work/main/tests/survey/ReportTest.cpp" "tests/survey/CMakeFiles/survey_tests.dir/ReportTest.cpp.o" "gcc" "tests/survey/CMakeFiles/survey_tests.dir/ReportTest.cpp.o.d"
  "/work/main/tests/survey/SavedScanTest.cpp" "tests/survey/CMakeFiles/survey_tests.dir/SavedScanTest.cpp.o" "gcc" "tests/survey/CMakeFiles/survey_tests.dir/SavedScanTest.cpp.o.d"
  "/work/main/tests/survey/ScanFakeTest.cpp" "tests/survey/CMakeFiles/survey_tests.dir/ScanFakeTest.cpp.o" "gcc" "tests/survey/CMakeFiles/survey_tests.dir/ScanFakeTest.cpp.o.d"
  "/work/main/tests/survey/ScanRealTest.cpp" "tests/survey/CMakeFiles/survey_tests.dir/ScanRealTest.cpp.o" "gcc" "tests/survey/CMakeFiles/survey_tests.dir/ScanRealTest.cpp.o.d"
  "/work/main/tests/survey/TreeComparisonTest.cpp" "tests/survey/CMakeFiles/survey_tests.dir/TreeComparisonTest.cpp.o" "gcc" "tests/survey/CMakeFiles/survey_tests.dir/TreeComparisonTest.cpp.o.d"
  "/work/main/build-dev/tests/survey/survey_tests_autogen/mocs_compilation.cpp" "tests/survey/CMakeFiles/survey_tests.dir/survey_tests_autogen/mocs_compilation.cpp.o" "gcc" "tests/survey/CMakeFiles/survey_tests.dir/survey_tests_autogen/mocs_compilation.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-dev/survey/CMakeFiles/kelmo_survey.dir/DependInfo.cmake"
  "/work/main/build-dev/tests/support/CMakeFiles/kelmo_test_support.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
