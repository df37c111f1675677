tests/survey/CMakeFiles/survey_tests.dir/survey_tests_autogen/mocs_compilation.cpp.o: \
 /work/main/build-dev/tests/survey/survey_tests_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h
