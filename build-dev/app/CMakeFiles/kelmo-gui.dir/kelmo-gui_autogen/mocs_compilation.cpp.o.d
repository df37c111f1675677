app/CMakeFiles/kelmo-gui.dir/kelmo-gui_autogen/mocs_compilation.cpp.o: \
 /work/main/build-dev/app/kelmo-gui_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h
