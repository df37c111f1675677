tests/app/CMakeFiles/app_start_tests.dir/app_start_tests_autogen/mocs_compilation.cpp.o: \
 /work/main/build-dev/tests/app/app_start_tests_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h
