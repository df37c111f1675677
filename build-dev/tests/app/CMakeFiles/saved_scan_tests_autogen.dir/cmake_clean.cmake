file(REMOVE_RECURSE
  "CMakeFiles/saved_scan_tests_autogen"
  "saved_scan_tests_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/saved_scan_tests_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
