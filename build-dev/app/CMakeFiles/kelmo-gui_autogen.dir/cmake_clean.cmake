file(REMOVE_RECURSE
  "CMakeFiles/kelmo-gui_autogen"
  "kelmo-gui_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/kelmo-gui_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
