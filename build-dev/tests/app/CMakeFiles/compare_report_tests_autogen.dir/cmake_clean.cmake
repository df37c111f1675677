file(REMOVE_RECURSE
  "CMakeFiles/compare_report_tests_autogen"
  "compare_report_tests_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/compare_report_tests_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
