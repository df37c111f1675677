file(REMOVE_RECURSE
  "CMakeFiles/kelmo_windows_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/kelmo_windows_autogen.dir/ParseCache.txt"
  "kelmo_windows_autogen"
  "CMakeFiles/kelmo_windows.dir/AuxiliaryWindow.cpp.o"
  "CMakeFiles/kelmo_windows.dir/AuxiliaryWindow.cpp.o.d"
  "CMakeFiles/kelmo_windows.dir/DisplayName.cpp.o"
  "CMakeFiles/kelmo_windows.dir/DisplayName.cpp.o.d"
  "CMakeFiles/kelmo_windows.dir/DriveList.cpp.o"
  "CMakeFiles/kelmo_windows.dir/DriveList.cpp.o.d"
  "CMakeFiles/kelmo_windows.dir/FileDialogs.cpp.o"
  "CMakeFiles/kelmo_windows.dir/FileDialogs.cpp.o.d"
  "CMakeFiles/kelmo_windows.dir/KelmoSplash.cpp.o"
  "CMakeFiles/kelmo_windows.dir/KelmoSplash.cpp.o.d"
  "CMakeFiles/kelmo_windows.dir/LineBreaks.cpp.o"
  "CMakeFiles/kelmo_windows.dir/LineBreaks.cpp.o.d"
  "CMakeFiles/kelmo_windows.dir/MessageBoxes.cpp.o"
  "CMakeFiles/kelmo_windows.dir/MessageBoxes.cpp.o.d"
  "CMakeFiles/kelmo_windows.dir/OwnerInputBlock.cpp.o"
  "CMakeFiles/kelmo_windows.dir/OwnerInputBlock.cpp.o.d"
  "CMakeFiles/kelmo_windows.dir/ProgramFonts.cpp.o"
  "CMakeFiles/kelmo_windows.dir/ProgramFonts.cpp.o.d"
  "CMakeFiles/kelmo_windows.dir/SmallButton.cpp.o"
  "CMakeFiles/kelmo_windows.dir/SmallButton.cpp.o.d"
  "CMakeFiles/kelmo_windows.dir/SmallWin.cpp.o"
  "CMakeFiles/kelmo_windows.dir/SmallWin.cpp.o.d"
  "CMakeFiles/kelmo_windows.dir/TextFitting.cpp.o"
  "CMakeFiles/kelmo_windows.dir/TextFitting.cpp.o.d"
  "CMakeFiles/kelmo_windows.dir/kelmo_windows_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/kelmo_windows.dir/kelmo_windows_autogen/mocs_compilation.cpp.o.d"
  "libkelmo_windows.a"
  "libkelmo_windows.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/kelmo_windows.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
