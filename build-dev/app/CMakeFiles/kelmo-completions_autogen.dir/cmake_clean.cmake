file(REMOVE_RECURSE
  "CMakeFiles/kelmo-completions_autogen"
  "kelmo-completions_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/kelmo-completions_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
