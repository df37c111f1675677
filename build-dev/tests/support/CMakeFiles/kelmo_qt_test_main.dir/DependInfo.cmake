
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/tests/support/QtTestMain.cpp" "tests/support/CMakeFiles/kelmo_qt_test_main.dir/QtTestMain.cpp.o" "gcc" "tests/support/CMakeFiles/kelmo_qt_test_main.dir/QtTestMain.cpp.o.d"
  "/work/main/build-dev/tests/support/kelmo_qt_test_main_autogen/mocs_compilation.cpp" "tests/support/CMakeFiles/kelmo_qt_test_main.dir/kelmo_qt_test_main_autogen/mocs_compilation.cpp.o" "gcc" "tests/support/CMakeFiles/kelmo_qt_test_main.dir/kelmo_qt_test_main_autogen/mocs_compilation.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
