
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/app/CommandTable.cpp" "app/CMakeFiles/kelmo_app.dir/CommandTable.cpp.o" "gcc" "app/CMakeFiles/kelmo_app.dir/CommandTable.cpp.o.d"
  "/work/main/app/DirectoryActions.cpp" "app/CMakeFiles/kelmo_app.dir/DirectoryActions.cpp.o" "gcc" "app/CMakeFiles/kelmo_app.dir/DirectoryActions.cpp.o.d"
  "/work/main/app/DirectoryCommands.cpp" "app/CMakeFiles/kelmo_app.dir/DirectoryCommands.cpp.o" "gcc" "app/CMakeFiles/kelmo_app.dir/DirectoryCommands.cpp.o.d"
  "/work/main/app/FileListModel.cpp" "app/CMakeFiles/kelmo_app.dir/FileListModel.cpp.o" "gcc" "app/CMakeFiles/kelmo_app.dir/FileListModel.cpp.o.d"
  "/work/main/app/FileListWindow.cpp" "app/CMakeFiles/kelmo_app.dir/FileListWindow.cpp.o" "gcc" "app/CMakeFiles/kelmo_app.dir/FileListWindow.cpp.o.d"
  "/work/main/app/MainWindowControls.cpp" "app/CMakeFiles/kelmo_app.dir/MainWindowControls.cpp.o" "gcc" "app/CMakeFiles/kelmo_app.dir/MainWindowControls.cpp.o.d"
  "/work/main/app/PathText.cpp" "app/CMakeFiles/kelmo_app.dir/PathText.cpp.o" "gcc" "app/CMakeFiles/kelmo_app.dir/PathText.cpp.o.d"
  "/work/main/app/ScanController.cpp" "app/CMakeFiles/kelmo_app.dir/ScanController.cpp.o" "gcc" "app/CMakeFiles/kelmo_app.dir/ScanController.cpp.o.d"
  "/work/main/app/ScanJob.cpp" "app/CMakeFiles/kelmo_app.dir/ScanJob.cpp.o" "gcc" "app/CMakeFiles/kelmo_app.dir/ScanJob.cpp.o.d"
  "/work/main/app/SurveyLoader.cpp" "app/CMakeFiles/kelmo_app.dir/SurveyLoader.cpp.o" "gcc" "app/CMakeFiles/kelmo_app.dir/SurveyLoader.cpp.o.d"
  "/work/main/app/TKelmoApp.cpp" "app/CMakeFiles/kelmo_app.dir/TKelmoApp.cpp.o" "gcc" "app/CMakeFiles/kelmo_app.dir/TKelmoApp.cpp.o.d"
  "/work/main/app/TKelmoWindow.cpp" "app/CMakeFiles/kelmo_app.dir/TKelmoWindow.cpp.o" "gcc" "app/CMakeFiles/kelmo_app.dir/TKelmoWindow.cpp.o.d"
  "/work/main/app/WindowLayout.cpp" "app/CMakeFiles/kelmo_app.dir/WindowLayout.cpp.o" "gcc" "app/CMakeFiles/kelmo_app.dir/WindowLayout.cpp.o.d"
  "/work/main/app/WindowSettings.cpp" "app/CMakeFiles/kelmo_app.dir/WindowSettings.cpp.o" "gcc" "app/CMakeFiles/kelmo_app.dir/WindowSettings.cpp.o.d"
  "/work/main/build-dev/app/kelmo_app_autogen/mocs_compilation.cpp" "app/CMakeFiles/kelmo_app.dir/kelmo_app_autogen/mocs_compilation.cpp.o" "gcc" "app/CMakeFiles/kelmo_app.dir/kelmo_app_autogen/mocs_compilation.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-dev/app/CMakeFiles/kelmo_report.dir/DependInfo.cmake"
  "/work/main/build-dev/survey/CMakeFiles/kelmo_survey.dir/DependInfo.cmake"
  "/work/main/build-dev/chart/CMakeFiles/kelmo_chart.dir/DependInfo.cmake"
  "/work/main/build-dev/windows/CMakeFiles/kelmo_windows.dir/DependInfo.cmake"
  "/work/main/build-dev/legend/CMakeFiles/kelmo_legend.dir/DependInfo.cmake"
  "/work/main/build-dev/resources/CMakeFiles/kelmo_resources.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
