file(REMOVE_RECURSE
  "CMakeFiles/kelmo_completions"
  "completions/_kelmo"
  "completions/kelmo.bash"
  "completions/kelmo.fish"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/kelmo_completions.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
