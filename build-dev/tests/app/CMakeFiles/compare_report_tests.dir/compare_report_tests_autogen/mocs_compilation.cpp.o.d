tests/app/CMakeFiles/compare_report_tests.dir/compare_report_tests_autogen/mocs_compilation.cpp.o: \
 /work/main/build-dev/tests/app/compare_report_tests_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h
