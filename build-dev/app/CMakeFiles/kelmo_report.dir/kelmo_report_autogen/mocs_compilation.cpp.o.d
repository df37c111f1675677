app/CMakeFiles/kelmo_report.dir/kelmo_report_autogen/mocs_compilation.cpp.o: \
 /work/main/build-dev/app/kelmo_report_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h
