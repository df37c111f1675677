
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/windows/AuxiliaryWindow.cpp" "windows/CMakeFiles/kelmo_windows.dir/AuxiliaryWindow.cpp.o" "gcc" "windows/CMakeFiles/kelmo_windows.dir/AuxiliaryWindow.cpp.o.d"
  "/work/main/windows/DisplayName.cpp" "windows/CMakeFiles/kelmo_windows.dir/DisplayName.cpp.o" "gcc" "windows/CMakeFiles/kelmo_windows.dir/DisplayName.cpp.o.d"
  "/work/main/windows/DriveList.cpp" "windows/CMakeFiles/kelmo_windows.dir/DriveList.cpp.o" "gcc" "windows/CMakeFiles/kelmo_windows.dir/DriveList.cpp.o.d"
  "/work/main/windows/FileDialogs.cpp" "windows/CMakeFiles/kelmo_windows.dir/FileDialogs.cpp.o" "gcc" "windows/CMakeFiles/kelmo_windows.dir/FileDialogs.cpp.o.d"
  "/work/main/windows/KelmoSplash.cpp" "windows/CMakeFiles/kelmo_windows.dir/KelmoSplash.cpp.o" "gcc" "windows/CMakeFiles/kelmo_windows.dir/KelmoSplash.cpp.o.d"
  "/work/main/windows/LineBreaks.cpp" "windows/CMakeFiles/kelmo_windows.dir/LineBreaks.cpp.o" "gcc" "windows/CMakeFiles/kelmo_windows.dir/LineBreaks.cpp.o.d"
  "/work/main/windows/MessageBoxes.cpp" "windows/CMakeFiles/kelmo_windows.dir/MessageBoxes.cpp.o" "gcc" "windows/CMakeFiles/kelmo_windows.dir/MessageBoxes.cpp.o.d"
  "/work/main/windows/OwnerInputBlock.cpp" "windows/CMakeFiles/kelmo_windows.dir/OwnerInputBlock.cpp.o" "gcc" "windows/CMakeFiles/kelmo_windows.dir/OwnerInputBlock.cpp.o.d"
  "/work/main/windows/ProgramFonts.cpp" "windows/CMakeFiles/kelmo_windows.dir/ProgramFonts.cpp.o" "gcc" "windows/CMakeFiles/kelmo_windows.dir/ProgramFonts.cpp.o.d"
  "/work/main/windows/SmallButton.cpp" "windows/CMakeFiles/kelmo_windows.dir/SmallButton.cpp.o" "gcc" "windows/CMakeFiles/kelmo_windows.dir/SmallButton.cpp.o.d"
  "/work/main/windows/SmallWin.cpp" "windows/CMakeFiles/kelmo_windows.dir/SmallWin.cpp.o" "gcc" "windows/CMakeFiles/kelmo_windows.dir/SmallWin.cpp.o.d"
  "/work/main/windows/TextFitting.cpp" "windows/CMakeFiles/kelmo_windows.dir/TextFitting.cpp.o" "gcc" "windows/CMakeFiles/kelmo_windows.dir/TextFitting.cpp.o.d"
  "/work/main/build-dev/windows/kelmo_windows_autogen/mocs_compilation.cpp" "windows/CMakeFiles/kelmo_windows.dir/kelmo_windows_autogen/mocs_compilation.cpp.o" "gcc" "windows/CMakeFiles/kelmo_windows.dir/kelmo_windows_autogen/mocs_compilation.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-dev/chart/CMakeFiles/kelmo_chart.dir/DependInfo.cmake"
  "/work/main/build-dev/survey/CMakeFiles/kelmo_survey.dir/DependInfo.cmake"
  "/work/main/build-dev/resources/CMakeFiles/kelmo_resources.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
