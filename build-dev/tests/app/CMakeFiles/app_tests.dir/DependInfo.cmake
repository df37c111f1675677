
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/tests/app/DirectoryCommandsTest.cpp" "tests/app/CMakeFiles/app_tests.dir/DirectoryCommandsTest.cpp.o" "gcc" "tests/app/CMakeFiles/app_tests.dir/DirectoryCommandsTest.cpp.o.d"
  "/work/main/tests/app/HumanSizeTest.cpp" "tests/app/CMakeFiles/app_tests.dir/HumanSizeTest.cpp.o" "gcc" "tests/app/CMakeFiles/app_tests.dir/HumanSizeTest.cpp.o.d"
  "/work/main/tests/app/OptionsTest.cpp" "tests/app/CMakeFiles/app_tests.dir/OptionsTest.cpp.o" "gcc" "tests/app/CMakeFiles/app_tests.dir/OptionsTest.cpp.o.d"
  "/work/main/tests/app/PathTextTest.cpp" "tests/app/CMakeFiles/app_tests.dir/PathTextTest.cpp.o" "gcc" "tests/app/CMakeFiles/app_tests.dir/PathTextTest.cpp.o.d"
  "/work/main/tests/app/ReportCommandTest.cpp" "tests/app/CMakeFiles/app_tests.dir/ReportCommandTest.cpp.o" "gcc" "tests/app/CMakeFiles/app_tests.dir/ReportCommandTest.cpp.o.d"
  "/work/main/tests/app/TKelmoWindowTest.cpp" "tests/app/CMakeFiles/app_tests.dir/TKelmoWindowTest.cpp.o" "gcc" "tests/app/CMakeFiles/app_tests.dir/TKelmoWindowTest.cpp.o.d"
  "/work/main/build-dev/tests/app/app_tests_autogen/mocs_compilation.cpp" "tests/app/CMakeFiles/app_tests.dir/app_tests_autogen/mocs_compilation.cpp.o" "gcc" "tests/app/CMakeFiles/app_tests.dir/app_tests_autogen/mocs_compilation.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-dev/tests/support/CMakeFiles/kelmo_qt_test_main.dir/DependInfo.cmake"
  "/work/main/build-dev/app/CMakeFiles/kelmo_app.dir/DependInfo.cmake"
  "/work/main/build-dev/app/CMakeFiles/kelmo_report.dir/DependInfo.cmake"
  "/work/main/build-dev/tests/support/CMakeFiles/kelmo_test_support.dir/DependInfo.cmake"
  "/work/main/build-dev/legend/CMakeFiles/kelmo_legend.dir/DependInfo.cmake"
  "/work/main/build-dev/windows/CMakeFiles/kelmo_windows.dir/DependInfo.cmake"
  "/work/main/build-dev/chart/CMakeFiles/kelmo_chart.dir/DependInfo.cmake"
  "/work/main/build-dev/resources/CMakeFiles/kelmo_resources.dir/DependInfo.cmake"
  "/work/main/build-dev/survey/CMakeFiles/kelmo_survey.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
