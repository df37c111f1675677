tests/support/CMakeFiles/kelmo_test_support.dir/kelmo_test_support_autogen/mocs_compilation.cpp.o: \
 /work/main/build-dev/tests/support/kelmo_test_support_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h
