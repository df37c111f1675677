file(REMOVE_RECURSE
  "CMakeFiles/windows_tests_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/windows_tests_autogen.dir/ParseCache.txt"
  "windows_tests_autogen"
  "CMakeFiles/windows_tests.dir/KelmoSplashTest.cpp.o"
  "CMakeFiles/windows_tests.dir/KelmoSplashTest.cpp.o.d"
  "CMakeFiles/windows_tests.dir/MessageBoxesTest.cpp.o"
  "CMakeFiles/windows_tests.dir/MessageBoxesTest.cpp.o.d"
  "CMakeFiles/windows_tests.dir/OwnerInputBlockTest.cpp.o"
  "CMakeFiles/windows_tests.dir/OwnerInputBlockTest.cpp.o.d"
  "CMakeFiles/windows_tests.dir/SmallWinTest.cpp.o"
  "CMakeFiles/windows_tests.dir/SmallWinTest.cpp.o.d"
  "CMakeFiles/windows_tests.dir/windows_tests_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/windows_tests.dir/windows_tests_autogen/mocs_compilation.cpp.o.d"
  "windows_tests"
  "windows_tests.pdb"
  "windows_tests[1]_tests.cmake"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/windows_tests.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
