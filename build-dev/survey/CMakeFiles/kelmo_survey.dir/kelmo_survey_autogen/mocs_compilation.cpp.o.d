survey/CMakeFiles/kelmo_survey.dir/kelmo_survey_autogen/mocs_compilation.cpp.o: \
 /work/main/build-dev/survey/kelmo_survey_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h
