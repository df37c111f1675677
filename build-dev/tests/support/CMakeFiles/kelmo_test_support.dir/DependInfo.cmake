
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/tests/support/FakeDirectorySource.cpp" "tests/support/CMakeFiles/kelmo_test_support.dir/FakeDirectorySource.cpp.o" "gcc" "tests/support/CMakeFiles/kelmo_test_support.dir/FakeDirectorySource.cpp.o.d"
  "/work/main/tests/support/ShellCommand.cpp" "tests/support/CMakeFiles/kelmo_test_support.dir/ShellCommand.cpp.o" "gcc" "tests/support/CMakeFiles/kelmo_test_support.dir/ShellCommand.cpp.o.d"
  "/work/main/tests/support/TempTree.cpp" "tests/support/CMakeFiles/kelmo_test_support.dir/TempTree.cpp.o" "gcc" "tests/support/CMakeFiles/kelmo_test_support.dir/TempTree.cpp.o.d"
  "/work/main/build-dev/tests/support/kelmo_test_support_autogen/mocs_compilation.cpp" "tests/support/CMakeFiles/kelmo_test_support.dir/kelmo_test_support_autogen/mocs_compilation.cpp.o" "gcc" "tests/support/CMakeFiles/kelmo_test_support.dir/kelmo_test_support_autogen/mocs_compilation.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-dev/survey/CMakeFiles/kelmo_survey.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
