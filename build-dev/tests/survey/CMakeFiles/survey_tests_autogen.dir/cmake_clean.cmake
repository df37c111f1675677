file(REMOVE_RECURSE
  "CMakeFiles/survey_tests_autogen"
  "survey_tests_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/survey_tests_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
