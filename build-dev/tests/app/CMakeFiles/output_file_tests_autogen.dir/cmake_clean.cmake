file(REMOVE_RECURSE
  "CMakeFiles/output_file_tests_autogen"
  "output_file_tests_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/output_file_tests_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
