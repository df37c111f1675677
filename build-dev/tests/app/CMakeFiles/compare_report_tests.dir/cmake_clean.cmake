file(REMOVE_RECURSE
  "CMakeFiles/compare_report_tests_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/compare_report_tests_autogen.dir/ParseCache.txt"
  "compare_report_tests_autogen"
  "CMakeFiles/compare_report_tests.dir/CompareReportTest.cpp.o"
  "CMakeFiles/compare_report_tests.dir/CompareReportTest.cpp.o.d"
  "CMakeFiles/compare_report_tests.dir/compare_report_tests_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/compare_report_tests.dir/compare_report_tests_autogen/mocs_compilation.cpp.o.d"
  "compare_report_tests"
  "compare_report_tests.pdb"
  "compare_report_tests[1]_tests.cmake"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/compare_report_tests.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
