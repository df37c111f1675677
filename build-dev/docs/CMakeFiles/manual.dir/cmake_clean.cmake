file(REMOVE_RECURSE
  "CMakeFiles/manual"
  "kelmo.1.gz"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/manual.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
