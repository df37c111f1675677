tests/support/CMakeFiles/kelmo_qt_test_main.dir/kelmo_qt_test_main_autogen/mocs_compilation.cpp.o: \
 /work/main/build-dev/tests/support/kelmo_qt_test_main_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h
