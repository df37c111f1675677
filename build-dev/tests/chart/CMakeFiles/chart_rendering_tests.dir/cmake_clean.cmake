file(REMOVE_RECURSE
  "CMakeFiles/chart_rendering_tests_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/chart_rendering_tests_autogen.dir/ParseCache.txt"
  "chart_rendering_tests_autogen"
  "CMakeFiles/chart_rendering_tests.dir/QPainterPieCanvasTest.cpp.o"
  "CMakeFiles/chart_rendering_tests.dir/QPainterPieCanvasTest.cpp.o.d"
  "CMakeFiles/chart_rendering_tests.dir/chart_rendering_tests_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/chart_rendering_tests.dir/chart_rendering_tests_autogen/mocs_compilation.cpp.o.d"
  "chart_rendering_tests"
  "chart_rendering_tests.pdb"
  "chart_rendering_tests[1]_tests.cmake"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/chart_rendering_tests.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
