resources/CMakeFiles/kelmo_resources.dir/kelmo_resources_autogen/mocs_compilation.cpp.o: \
 /work/main/build-dev/resources/kelmo_resources_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h
