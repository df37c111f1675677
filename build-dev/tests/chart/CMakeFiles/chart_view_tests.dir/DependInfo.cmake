
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/tests/chart/ChartViewTest.cpp" "tests/chart/CMakeFiles/chart_view_tests.dir/ChartViewTest.cpp.o" "gcc" "tests/chart/CMakeFiles/chart_view_tests.dir/ChartViewTest.cpp.o.d"
  "/work/main/build-dev/tests/chart/chart_view_tests_autogen/mocs_compilation.cpp" "tests/chart/CMakeFiles/chart_view_tests.dir/chart_view_tests_autogen/mocs_compilation.cpp.o" "gcc" "tests/chart/CMakeFiles/chart_view_tests.dir/chart_view_tests_autogen/mocs_compilation.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-dev/tests/support/CMakeFiles/kelmo_qt_test_main.dir/DependInfo.cmake"
  "/work/main/build-dev/chart/CMakeFiles/kelmo_chart.dir/DependInfo.cmake"
  "/work/main/build-dev/tests/support/CMakeFiles/kelmo_test_support.dir/DependInfo.cmake"
  "/work/main/build-dev/resources/CMakeFiles/kelmo_resources.dir/DependInfo.cmake"
  "/work/main/build-dev/survey/CMakeFiles/kelmo_survey.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
