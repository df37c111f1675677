file(REMOVE_RECURSE
  "CMakeFiles/kelmo-completions_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/kelmo-completions_autogen.dir/ParseCache.txt"
  "kelmo-completions_autogen"
  "CMakeFiles/kelmo-completions.dir/CompletionScript.cpp.o"
  "CMakeFiles/kelmo-completions.dir/CompletionScript.cpp.o.d"
  "CMakeFiles/kelmo-completions.dir/CompletionsMain.cpp.o"
  "CMakeFiles/kelmo-completions.dir/CompletionsMain.cpp.o.d"
  "CMakeFiles/kelmo-completions.dir/kelmo-completions_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/kelmo-completions.dir/kelmo-completions_autogen/mocs_compilation.cpp.o.d"
  "kelmo-completions"
  "kelmo-completions.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/kelmo-completions.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
