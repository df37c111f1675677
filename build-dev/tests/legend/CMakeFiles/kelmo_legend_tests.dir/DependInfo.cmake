
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/tests/legend/BuildLegendTest.cpp" "tests/legend/CMakeFiles/kelmo_legend_tests.dir/BuildLegendTest.cpp.o" "gcc" "tests/legend/CMakeFiles/kelmo_legend_tests.dir/BuildLegendTest.cpp.o.d"
  "/work/main/tests/legend/EntryLayoutTest.cpp" "tests/legend/CMakeFiles/kelmo_legend_tests.dir/EntryLayoutTest.cpp.o" "gcc" "tests/legend/CMakeFiles/kelmo_legend_tests.dir/EntryLayoutTest.cpp.o.d"
  "/work/main/tests/legend/EntryTextTest.cpp" "tests/legend/CMakeFiles/kelmo_legend_tests.dir/EntryTextTest.cpp.o" "gcc" "tests/legend/CMakeFiles/kelmo_legend_tests.dir/EntryTextTest.cpp.o.d"
  "/work/main/tests/legend/KeyBoxTest.cpp" "tests/legend/CMakeFiles/kelmo_legend_tests.dir/KeyBoxTest.cpp.o" "gcc" "tests/legend/CMakeFiles/kelmo_legend_tests.dir/KeyBoxTest.cpp.o.d"
  "/work/main/build-dev/tests/legend/kelmo_legend_tests_autogen/mocs_compilation.cpp" "tests/legend/CMakeFiles/kelmo_legend_tests.dir/kelmo_legend_tests_autogen/mocs_compilation.cpp.o" "gcc" "tests/legend/CMakeFiles/kelmo_legend_tests.dir/kelmo_legend_tests_autogen/mocs_compilation.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-dev/tests/support/CMakeFiles/kelmo_qt_test_main.dir/DependInfo.cmake"
  "/work/main/build-dev/legend/CMakeFiles/kelmo_legend.dir/DependInfo.cmake"
  "/work/main/build-dev/tests/support/CMakeFiles/kelmo_test_support.dir/DependInfo.cmake"
  "/work/main/build-dev/windows/CMakeFiles/kelmo_windows.dir/DependInfo.cmake"
  "/work/main/build-dev/chart/CMakeFiles/kelmo_chart.dir/DependInfo.cmake"
  "/work/main/build-dev/resources/CMakeFiles/kelmo_resources.dir/DependInfo.cmake"
  "/work/main/build-dev/survey/CMakeFiles/kelmo_survey.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
