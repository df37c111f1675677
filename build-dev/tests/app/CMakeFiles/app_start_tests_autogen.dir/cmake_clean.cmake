file(REMOVE_RECURSE
  "CMakeFiles/app_start_tests_autogen"
  "app_start_tests_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/app_start_tests_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
