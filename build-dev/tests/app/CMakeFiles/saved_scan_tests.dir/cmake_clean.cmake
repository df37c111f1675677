file(REMOVE_RECURSE
  "CMakeFiles/saved_scan_tests_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/saved_scan_tests_autogen.dir/ParseCache.txt"
  "saved_scan_tests_autogen"
  "CMakeFiles/saved_scan_tests.dir/SavedScanInteropTest.cpp.o"
  "CMakeFiles/saved_scan_tests.dir/SavedScanInteropTest.cpp.o.d"
  "CMakeFiles/saved_scan_tests.dir/saved_scan_tests_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/saved_scan_tests.dir/saved_scan_tests_autogen/mocs_compilation.cpp.o.d"
  "saved_scan_tests"
  "saved_scan_tests.pdb"
  "saved_scan_tests[1]_tests.cmake"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/saved_scan_tests.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
