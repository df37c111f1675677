file(REMOVE_RECURSE
  "CMakeFiles/kelmo_chart_autogen"
  "kelmo_chart_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/kelmo_chart_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
