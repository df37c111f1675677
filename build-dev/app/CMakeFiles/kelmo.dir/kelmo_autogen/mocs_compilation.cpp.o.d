app/CMakeFiles/kelmo.dir/kelmo_autogen/mocs_compilation.cpp.o: \
 /work/main/build-dev/app/kelmo_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h
