file(REMOVE_RECURSE
  "CMakeFiles/kelmo_resources_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/kelmo_resources_autogen.dir/ParseCache.txt"
  "kelmo_resources_autogen"
  "CMakeFiles/kelmo_resources.dir/KelmoResources.cpp.o"
  "CMakeFiles/kelmo_resources.dir/KelmoResources.cpp.o.d"
  "CMakeFiles/kelmo_resources.dir/kelmo_resources_autogen/EWIEGA46WW/qrc_kelmo.cpp.o"
  "CMakeFiles/kelmo_resources.dir/kelmo_resources_autogen/EWIEGA46WW/qrc_kelmo.cpp.o.d"
  "CMakeFiles/kelmo_resources.dir/kelmo_resources_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/kelmo_resources.dir/kelmo_resources_autogen/mocs_compilation.cpp.o.d"
  "kelmo_resources_autogen/EWIEGA46WW/qrc_kelmo.cpp"
  "libkelmo_resources.a"
  "libkelmo_resources.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/kelmo_resources.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
