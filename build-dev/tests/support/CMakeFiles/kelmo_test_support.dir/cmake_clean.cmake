file(REMOVE_RECURSE
  "CMakeFiles/kelmo_test_support_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/kelmo_test_support_autogen.dir/ParseCache.txt"
  "kelmo_test_support_autogen"
  "CMakeFiles/kelmo_test_support.dir/FakeDirectorySource.cpp.o"
  "CMakeFiles/kelmo_test_support.dir/FakeDirectorySource.cpp.o.d"
  "CMakeFiles/kelmo_test_support.dir/ShellCommand.cpp.o"
  "CMakeFiles/kelmo_test_support.dir/ShellCommand.cpp.o.d"
  "CMakeFiles/kelmo_test_support.dir/TempTree.cpp.o"
  "CMakeFiles/kelmo_test_support.dir/TempTree.cpp.o.d"
  "CMakeFiles/kelmo_test_support.dir/kelmo_test_support_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/kelmo_test_support.dir/kelmo_test_support_autogen/mocs_compilation.cpp.o.d"
  "libkelmo_test_support.a"
  "libkelmo_test_support.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/kelmo_test_support.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
