file(REMOVE_RECURSE
  "CMakeFiles/kelmo_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/kelmo_autogen.dir/ParseCache.txt"
  "kelmo_autogen"
  "CMakeFiles/kelmo.dir/kelmo_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/kelmo.dir/kelmo_autogen/mocs_compilation.cpp.o.d"
  "CMakeFiles/kelmo.dir/main.cpp.o"
  "CMakeFiles/kelmo.dir/main.cpp.o.d"
  "kelmo"
  "kelmo.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/kelmo.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
