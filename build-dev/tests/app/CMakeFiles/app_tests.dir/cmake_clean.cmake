file(REMOVE_RECURSE
  "CMakeFiles/app_tests_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/app_tests_autogen.dir/ParseCache.txt"
  "app_tests_autogen"
  "CMakeFiles/app_tests.dir/DirectoryCommandsTest.cpp.o"
  "CMakeFiles/app_tests.dir/DirectoryCommandsTest.cpp.o.d"
  "CMakeFiles/app_tests.dir/HumanSizeTest.cpp.o"
  "CMakeFiles/app_tests.dir/HumanSizeTest.cpp.o.d"
  "CMakeFiles/app_tests.dir/OptionsTest.cpp.o"
  "CMakeFiles/app_tests.dir/OptionsTest.cpp.o.d"
  "CMakeFiles/app_tests.dir/PathTextTest.cpp.o"
  "CMakeFiles/app_tests.dir/PathTextTest.cpp.o.d"
  "CMakeFiles/app_tests.dir/ReportCommandTest.cpp.o"
  "CMakeFiles/app_tests.dir/ReportCommandTest.cpp.o.d"
  "CMakeFiles/app_tests.dir/TKelmoWindowTest.cpp.o"
  "CMakeFiles/app_tests.dir/TKelmoWindowTest.cpp.o.d"
  "CMakeFiles/app_tests.dir/app_tests_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/app_tests.dir/app_tests_autogen/mocs_compilation.cpp.o.d"
  "app_tests"
  "app_tests.pdb"
  "app_tests[1]_tests.cmake"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/app_tests.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
