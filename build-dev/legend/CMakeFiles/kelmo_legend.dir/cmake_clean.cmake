file(REMOVE_RECURSE
  "CMakeFiles/kelmo_legend_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/kelmo_legend_autogen.dir/ParseCache.txt"
  "kelmo_legend_autogen"
  "CMakeFiles/kelmo_legend.dir/BuildLegend.cpp.o"
  "CMakeFiles/kelmo_legend.dir/BuildLegend.cpp.o.d"
  "CMakeFiles/kelmo_legend.dir/EntryLayout.cpp.o"
  "CMakeFiles/kelmo_legend.dir/EntryLayout.cpp.o.d"
  "CMakeFiles/kelmo_legend.dir/EntryText.cpp.o"
  "CMakeFiles/kelmo_legend.dir/EntryText.cpp.o.d"
  "CMakeFiles/kelmo_legend.dir/KeyBox.cpp.o"
  "CMakeFiles/kelmo_legend.dir/KeyBox.cpp.o.d"
  "CMakeFiles/kelmo_legend.dir/KeyBoxDelegate.cpp.o"
  "CMakeFiles/kelmo_legend.dir/KeyBoxDelegate.cpp.o.d"
  "CMakeFiles/kelmo_legend.dir/LegendModel.cpp.o"
  "CMakeFiles/kelmo_legend.dir/LegendModel.cpp.o.d"
  "CMakeFiles/kelmo_legend.dir/kelmo_legend_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/kelmo_legend.dir/kelmo_legend_autogen/mocs_compilation.cpp.o.d"
  "libkelmo_legend.a"
  "libkelmo_legend.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/kelmo_legend.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
