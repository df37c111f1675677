tests/app/CMakeFiles/saved_scan_tests.dir/saved_scan_tests_autogen/mocs_compilation.cpp.o: \
 /work/main/build-dev/tests/app/saved_scan_tests_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h
