
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/legend/BuildLegend.cpp" "legend/CMakeFiles/kelmo_legend.dir/BuildLegend.cpp.o" "gcc" "legend/CMakeFiles/kelmo_legend.dir/BuildLegend.cpp.o.d"
  "/work/main/legend/EntryLayout.cpp" "legend/CMakeFiles/kelmo_legend.dir/EntryLayout.cpp.o" "gcc" "legend/CMakeFiles/kelmo_legend.dir/EntryLayout.cpp.o.d"
  "/work/main/legend/EntryText.cpp" "legend/CMakeFiles/kelmo_legend.dir/EntryText.cpp.o" "gcc" "legend/CMakeFiles/kelmo_legend.dir/EntryText.cpp.o.d"
  "/work/main/legend/KeyBox.cpp" "legend/CMakeFiles/kelmo_legend.dir/KeyBox.cpp.o" "gcc" "legend/CMakeFiles/kelmo_legend.dir/KeyBox.cpp.o.d"
  "/work/main/legend/KeyBoxDelegate.cpp" "legend/CMakeFiles/kelmo_legend.dir/KeyBoxDelegate.cpp.o" "gcc" "legend/CMakeFiles/kelmo_legend.dir/KeyBoxDelegate.cpp.o.d"
  "/work/main/legend/LegendModel.cpp" "legend/CMakeFiles/kelmo_legend.dir/LegendModel.cpp.o" "gcc" "legend/CMakeFiles/kelmo_legend.dir/LegendModel.cpp.o.d"
  "/work/main/build-dev/legend/kelmo_legend_autogen/mocs_compilation.cpp" "legend/CMakeFiles/kelmo_legend.dir/kelmo_legend_autogen/mocs_compilation.cpp.o" "gcc" "legend/CMakeFiles/kelmo_legend.dir/kelmo_legend_autogen/mocs_compilation.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-dev/chart/CMakeFiles/kelmo_chart.dir/DependInfo.cmake"
  "/work/main/build-dev/survey/CMakeFiles/kelmo_survey.dir/DependInfo.cmake"
  "/work/main/build-dev/windows/CMakeFiles/kelmo_windows.dir/DependInfo.cmake"
  "/work/main/build-dev/resources/CMakeFiles/kelmo_resources.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
