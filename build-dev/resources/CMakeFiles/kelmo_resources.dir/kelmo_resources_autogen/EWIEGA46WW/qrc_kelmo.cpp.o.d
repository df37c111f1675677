resources/CMakeFiles/kelmo_resources.dir/kelmo_resources_autogen/EWIEGA46WW/qrc_kelmo.cpp.o: \
 /work/main/build-dev/resources/kelmo_resources_autogen/EWIEGA46WW/qrc_kelmo.cpp \
 /usr/include/stdc-predef.h
