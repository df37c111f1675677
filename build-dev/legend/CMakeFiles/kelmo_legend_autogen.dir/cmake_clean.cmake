file(REMOVE_RECURSE
  "CMakeFiles/kelmo_legend_autogen"
  "kelmo_legend_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/kelmo_legend_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
