file(REMOVE_RECURSE
  "CMakeFiles/survey_tests_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/survey_tests_autogen.dir/ParseCache.txt"
  "survey_tests_autogen"
  "CMakeFiles/survey_tests.dir/FormatBytesTest.cpp.o"
  "CMakeFiles/survey_tests.dir/FormatBytesTest.cpp.o.d"
  "CMakeFiles/survey_tests.dir/LargestFilesTest.cpp.o"
  "CMakeFiles/survey_tests.dir/LargestFilesTest.cpp.o.d"
  "CMakeFiles/survey_tests.dir/MountTableTest.cpp.o"
  "CMakeFiles/survey_tests.dir/MountTableTest.cpp.o.d"
  "CMakeFiles/survey_tests.dir/PrefetchingSourceTest.cpp.o"
  "CMakeFiles/survey_tests.dir/PrefetchingSourceTest.cpp.o.d"
  "CMakeFiles/survey_tests.dir/RemoveSubtreeTest.cpp.o"
  "CMakeFiles/survey_tests.dir/RemoveSubtreeTest.cpp.o.d"
  "CMakeFiles/survey_tests.dir/ReportTest.cpp.o"
  "CMakeFiles/survey_tests.dir/ReportTest.cpp.o.d"
  "CMakeFiles/survey_tests.dir/SavedScanTest.cpp.o"
  "CMakeFiles/survey_tests.dir/SavedScanTest.cpp.o.d"
  "CMakeFiles/survey_tests.dir/ScanFakeTest.cpp.o"
  "CMakeFiles/survey_tests.dir/ScanFakeTest.cpp.o.d"
  "CMakeFiles/survey_tests.dir/ScanRealTest.cpp.o"
  "CMakeFiles/survey_tests.dir/ScanRealTest.cpp.o.d"
  "CMakeFiles/survey_tests.dir/TreeComparisonTest.cpp.o"
  "CMakeFiles/survey_tests.dir/TreeComparisonTest.cpp.o.d"
  "CMakeFiles/survey_tests.dir/survey_tests_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/survey_tests.dir/survey_tests_autogen/mocs_compilation.cpp.o.d"
  "survey_tests"
  "survey_tests.pdb"
  "survey_tests[1]_tests.cmake"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/survey_tests.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
