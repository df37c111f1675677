file(REMOVE_RECURSE
  "CMakeFiles/output_file_tests_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/output_file_tests_autogen.dir/ParseCache.txt"
  "output_file_tests_autogen"
  "CMakeFiles/output_file_tests.dir/OutputFileTest.cpp.o"
  "CMakeFiles/output_file_tests.dir/OutputFileTest.cpp.o.d"
  "CMakeFiles/output_file_tests.dir/output_file_tests_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/output_file_tests.dir/output_file_tests_autogen/mocs_compilation.cpp.o.d"
  "output_file_tests"
  "output_file_tests.pdb"
  "output_file_tests[1]_tests.cmake"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/output_file_tests.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
