windows/CMakeFiles/kelmo_windows.dir/kelmo_windows_autogen/mocs_compilation.cpp.o: \
 /work/main/build-dev/windows/kelmo_windows_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h
