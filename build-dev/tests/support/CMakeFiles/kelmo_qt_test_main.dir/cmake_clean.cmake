file(REMOVE_RECURSE
  "CMakeFiles/kelmo_qt_test_main_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/kelmo_qt_test_main_autogen.dir/ParseCache.txt"
  "kelmo_qt_test_main_autogen"
  "CMakeFiles/kelmo_qt_test_main.dir/QtTestMain.cpp.o"
  "CMakeFiles/kelmo_qt_test_main.dir/QtTestMain.cpp.o.d"
  "CMakeFiles/kelmo_qt_test_main.dir/kelmo_qt_test_main_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/kelmo_qt_test_main.dir/kelmo_qt_test_main_autogen/mocs_compilation.cpp.o.d"
  "libkelmo_qt_test_main.a"
  "libkelmo_qt_test_main.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/kelmo_qt_test_main.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
