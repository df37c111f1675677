
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/chart/ChartView.cpp" "chart/CMakeFiles/kelmo_chart.dir/ChartView.cpp.o" "gcc" "chart/CMakeFiles/kelmo_chart.dir/ChartView.cpp.o.d"
  "/work/main/chart/DrawPie.cpp" "chart/CMakeFiles/kelmo_chart.dir/DrawPie.cpp.o" "gcc" "chart/CMakeFiles/kelmo_chart.dir/DrawPie.cpp.o.d"
  "/work/main/chart/QPainterPieCanvas.cpp" "chart/CMakeFiles/kelmo_chart.dir/QPainterPieCanvas.cpp.o" "gcc" "chart/CMakeFiles/kelmo_chart.dir/QPainterPieCanvas.cpp.o.d"
  "/work/main/chart/SliceColors.cpp" "chart/CMakeFiles/kelmo_chart.dir/SliceColors.cpp.o" "gcc" "chart/CMakeFiles/kelmo_chart.dir/SliceColors.cpp.o.d"
  "/work/main/chart/SliceHitTest.cpp" "chart/CMakeFiles/kelmo_chart.dir/SliceHitTest.cpp.o" "gcc" "chart/CMakeFiles/kelmo_chart.dir/SliceHitTest.cpp.o.d"
  "/work/main/build-dev/chart/kelmo_chart_autogen/mocs_compilation.cpp" "chart/CMakeFiles/kelmo_chart.dir/kelmo_chart_autogen/mocs_compilation.cpp.o" "gcc" "chart/CMakeFiles/kelmo_chart.dir/kelmo_chart_autogen/mocs_compilation.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-dev/resources/CMakeFiles/kelmo_resources.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
