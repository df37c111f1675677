
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/build-dev/app/kelmo_autogen/mocs_compilation.cpp" "app/CMakeFiles/kelmo.dir/kelmo_autogen/mocs_compilation.cpp.o" "gcc" "app/CMakeFiles/kelmo.dir/kelmo_autogen/mocs_compilation.cpp.o.d"
  "/work/main/app/main.cpp" "app/CMakeFiles/kelmo.dir/main.cpp.o" "gcc" "app/CMakeFiles/kelmo.dir/main.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-dev/app/CMakeFiles/kelmo_report.dir/DependInfo.cmake"
  "/work/main/build-dev/survey/CMakeFiles/kelmo_survey.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
