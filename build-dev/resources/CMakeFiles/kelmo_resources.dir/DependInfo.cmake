
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/resources/KelmoResources.cpp" "resources/CMakeFiles/kelmo_resources.dir/KelmoResources.cpp.o" "gcc" "resources/CMakeFiles/kelmo_resources.dir/KelmoResources.cpp.o.d"
  "/work/main/build-dev/resources/kelmo_resources_autogen/EWIEGA46WW/qrc_kelmo.cpp" "resources/CMakeFiles/kelmo_resources.dir/kelmo_resources_autogen/EWIEGA46WW/qrc_kelmo.cpp.o" "gcc" "resources/CMakeFiles/kelmo_resources.dir/kelmo_resources_autogen/EWIEGA46WW/qrc_kelmo.cpp.o.d"
  "/work/main/build-dev/resources/kelmo_resources_autogen/mocs_compilation.cpp" "resources/CMakeFiles/kelmo_resources.dir/kelmo_resources_autogen/mocs_compilation.cpp.o" "gcc" "resources/CMakeFiles/kelmo_resources.dir/kelmo_resources_autogen/mocs_compilation.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
