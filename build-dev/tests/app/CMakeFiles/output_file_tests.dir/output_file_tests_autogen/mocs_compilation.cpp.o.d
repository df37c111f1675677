tests/app/CMakeFiles/output_file_tests.dir/output_file_tests_autogen/mocs_compilation.cpp.o: \
 /work/main/build-dev/tests/app/output_file_tests_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h
