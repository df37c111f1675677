file(REMOVE_RECURSE
  "CMakeFiles/chart_tests_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/chart_tests_autogen.dir/ParseCache.txt"
  "chart_tests_autogen"
  "CMakeFiles/chart_tests.dir/DrawPieTest.cpp.o"
  "CMakeFiles/chart_tests.dir/DrawPieTest.cpp.o.d"
  "CMakeFiles/chart_tests.dir/SliceHitTestTest.cpp.o"
  "CMakeFiles/chart_tests.dir/SliceHitTestTest.cpp.o.d"
  "CMakeFiles/chart_tests.dir/chart_tests_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/chart_tests.dir/chart_tests_autogen/mocs_compilation.cpp.o.d"
  "chart_tests"
  "chart_tests.pdb"
  "chart_tests[1]_tests.cmake"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/chart_tests.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
