file(REMOVE_RECURSE
  "CMakeFiles/chart_rendering_tests_autogen"
  "chart_rendering_tests_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/chart_rendering_tests_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
