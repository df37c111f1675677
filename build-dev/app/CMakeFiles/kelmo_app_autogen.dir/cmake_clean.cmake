file(REMOVE_RECURSE
  "CMakeFiles/kelmo_app_autogen"
  "kelmo_app_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/kelmo_app_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
