file(REMOVE_RECURSE
  "CMakeFiles/kelmo_legend_tests_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/kelmo_legend_tests_autogen.dir/ParseCache.txt"
  "kelmo_legend_tests_autogen"
  "CMakeFiles/kelmo_legend_tests.dir/BuildLegendTest.cpp.o"
  "CMakeFiles/kelmo_legend_tests.dir/BuildLegendTest.cpp.o.d"
  "CMakeFiles/kelmo_legend_tests.dir/EntryLayoutTest.cpp.o"
  "CMakeFiles/kelmo_legend_tests.dir/EntryLayoutTest.cpp.o.d"
  "CMakeFiles/kelmo_legend_tests.dir/EntryTextTest.cpp.o"
  "CMakeFiles/kelmo_legend_tests.dir/EntryTextTest.cpp.o.d"
  "CMakeFiles/kelmo_legend_tests.dir/KeyBoxTest.cpp.o"
  "CMakeFiles/kelmo_legend_tests.dir/KeyBoxTest.cpp.o.d"
  "CMakeFiles/kelmo_legend_tests.dir/kelmo_legend_tests_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/kelmo_legend_tests.dir/kelmo_legend_tests_autogen/mocs_compilation.cpp.o.d"
  "kelmo_legend_tests"
  "kelmo_legend_tests.pdb"
  "kelmo_legend_tests[1]_tests.cmake"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/kelmo_legend_tests.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
