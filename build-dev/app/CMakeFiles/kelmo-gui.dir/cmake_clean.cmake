file(REMOVE_RECURSE
  "CMakeFiles/kelmo-gui_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/kelmo-gui_autogen.dir/ParseCache.txt"
  "kelmo-gui_autogen"
  "CMakeFiles/kelmo-gui.dir/GuiMain.cpp.o"
  "CMakeFiles/kelmo-gui.dir/GuiMain.cpp.o.d"
  "CMakeFiles/kelmo-gui.dir/kelmo-gui_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/kelmo-gui.dir/kelmo-gui_autogen/mocs_compilation.cpp.o.d"
  "kelmo-gui"
  "kelmo-gui.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/kelmo-gui.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
