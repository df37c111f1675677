file(REMOVE_RECURSE
  "CMakeFiles/windows_tests_autogen"
  "windows_tests_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/windows_tests_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
