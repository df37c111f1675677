file(REMOVE_RECURSE
  "CMakeFiles/app_start_tests_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/app_start_tests_autogen.dir/ParseCache.txt"
  "app_start_tests_autogen"
  "CMakeFiles/app_start_tests.dir/TKelmoAppTest.cpp.o"
  "CMakeFiles/app_start_tests.dir/TKelmoAppTest.cpp.o.d"
  "CMakeFiles/app_start_tests.dir/app_start_tests_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/app_start_tests.dir/app_start_tests_autogen/mocs_compilation.cpp.o.d"
  "app_start_tests"
  "app_start_tests.pdb"
  "app_start_tests[1]_tests.cmake"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/app_start_tests.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
