file(REMOVE_RECURSE
  "CMakeFiles/kelmo_qt_test_main_autogen"
  "kelmo_qt_test_main_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/kelmo_qt_test_main_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
