
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/app/GuiMain.cpp" "app/CMakeFiles/kelmo-gui.dir/GuiMain.cpp.o" "gcc" "app/CMakeFiles/kelmo-gui.dir/GuiMain.cpp.o.d"
  "/work/main/build-dev/app/kelmo-gui_autogen/mocs_compilation.cpp" "app/CMakeFiles/kelmo-gui.dir/kelmo-gui_autogen/mocs_compilation.cpp.o" "gcc" "app/CMakeFiles/kelmo-gui.dir/kelmo-gui_autogen/mocs_compilation.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-dev/app/CMakeFiles/kelmo_app.dir/DependInfo.cmake"
  "/work/main/build-dev/app/CMakeFiles/kelmo_report.dir/DependInfo.cmake"
  "/work/main/build-dev/legend/CMakeFiles/kelmo_legend.dir/DependInfo.cmake"
  "/work/main/build-dev/windows/CMakeFiles/kelmo_windows.dir/DependInfo.cmake"
  "/work/main/build-dev/survey/CMakeFiles/kelmo_survey.dir/DependInfo.cmake"
  "/work/main/build-dev/chart/CMakeFiles/kelmo_chart.dir/DependInfo.cmake"
  "/work/main/build-dev/resources/CMakeFiles/kelmo_resources.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
