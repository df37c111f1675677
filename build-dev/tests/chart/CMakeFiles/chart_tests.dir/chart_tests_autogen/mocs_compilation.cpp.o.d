tests/chart/CMakeFiles/chart_tests.dir/chart_tests_autogen/mocs_compilation.cpp.o: \
 /work/main/build-dev/tests/chart/chart_tests_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h
