file(REMOVE_RECURSE
  "CMakeFiles/kelmo_chart_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/kelmo_chart_autogen.dir/ParseCache.txt"
  "kelmo_chart_autogen"
  "CMakeFiles/kelmo_chart.dir/ChartView.cpp.o"
  "CMakeFiles/kelmo_chart.dir/ChartView.cpp.o.d"
  "CMakeFiles/kelmo_chart.dir/DrawPie.cpp.o"
  "CMakeFiles/kelmo_chart.dir/DrawPie.cpp.o.d"
  "CMakeFiles/kelmo_chart.dir/QPainterPieCanvas.cpp.o"
  "CMakeFiles/kelmo_chart.dir/QPainterPieCanvas.cpp.o.d"
  "CMakeFiles/kelmo_chart.dir/SliceColors.cpp.o"
  "CMakeFiles/kelmo_chart.dir/SliceColors.cpp.o.d"
  "CMakeFiles/kelmo_chart.dir/SliceHitTest.cpp.o"
  "CMakeFiles/kelmo_chart.dir/SliceHitTest.cpp.o.d"
  "CMakeFiles/kelmo_chart.dir/kelmo_chart_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/kelmo_chart.dir/kelmo_chart_autogen/mocs_compilation.cpp.o.d"
  "libkelmo_chart.a"
  "libkelmo_chart.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/kelmo_chart.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
