file(REMOVE_RECURSE
  "CMakeFiles/chart_view_tests_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/chart_view_tests_autogen.dir/ParseCache.txt"
  "chart_view_tests_autogen"
  "CMakeFiles/chart_view_tests.dir/ChartViewTest.cpp.o"
  "CMakeFiles/chart_view_tests.dir/ChartViewTest.cpp.o.d"
  "CMakeFiles/chart_view_tests.dir/chart_view_tests_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/chart_view_tests.dir/chart_view_tests_autogen/mocs_compilation.cpp.o.d"
  "chart_view_tests"
  "chart_view_tests.pdb"
  "chart_view_tests[1]_tests.cmake"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/chart_view_tests.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
