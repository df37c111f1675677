app/CMakeFiles/kelmo-completions.dir/kelmo-completions_autogen/mocs_compilation.cpp.o: \
 /work/main/build-dev/app/kelmo-completions_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h
