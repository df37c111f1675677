
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/app/CompareReport.cpp" "app/CMakeFiles/kelmo_report.dir/CompareReport.cpp.o" "gcc" "app/CMakeFiles/kelmo_report.dir/CompareReport.cpp.o.d"
  "/work/main/app/DisplayCheck.cpp" "app/CMakeFiles/kelmo_report.dir/DisplayCheck.cpp.o" "gcc" "app/CMakeFiles/kelmo_report.dir/DisplayCheck.cpp.o.d"
  "/work/main/app/ExportCommand.cpp" "app/CMakeFiles/kelmo_report.dir/ExportCommand.cpp.o" "gcc" "app/CMakeFiles/kelmo_report.dir/ExportCommand.cpp.o.d"
  "/work/main/app/FinishOutput.cpp" "app/CMakeFiles/kelmo_report.dir/FinishOutput.cpp.o" "gcc" "app/CMakeFiles/kelmo_report.dir/FinishOutput.cpp.o.d"
  "/work/main/app/HumanSize.cpp" "app/CMakeFiles/kelmo_report.dir/HumanSize.cpp.o" "gcc" "app/CMakeFiles/kelmo_report.dir/HumanSize.cpp.o.d"
  "/work/main/app/Options.cpp" "app/CMakeFiles/kelmo_report.dir/Options.cpp.o" "gcc" "app/CMakeFiles/kelmo_report.dir/Options.cpp.o.d"
  "/work/main/app/OutputFile.cpp" "app/CMakeFiles/kelmo_report.dir/OutputFile.cpp.o" "gcc" "app/CMakeFiles/kelmo_report.dir/OutputFile.cpp.o.d"
  "/work/main/app/OutputLocation.cpp" "app/CMakeFiles/kelmo_report.dir/OutputLocation.cpp.o" "gcc" "app/CMakeFiles/kelmo_report.dir/OutputLocation.cpp.o.d"
  "/work/main/app/ReportCommand.cpp" "app/CMakeFiles/kelmo_report.dir/ReportCommand.cpp.o" "gcc" "app/CMakeFiles/kelmo_report.dir/ReportCommand.cpp.o.d"
  "/work/main/app/SaveTree.cpp" "app/CMakeFiles/kelmo_report.dir/SaveTree.cpp.o" "gcc" "app/CMakeFiles/kelmo_report.dir/SaveTree.cpp.o.d"
  "/work/main/app/SavedScanFile.cpp" "app/CMakeFiles/kelmo_report.dir/SavedScanFile.cpp.o" "gcc" "app/CMakeFiles/kelmo_report.dir/SavedScanFile.cpp.o.d"
  "/work/main/app/ScanSetup.cpp" "app/CMakeFiles/kelmo_report.dir/ScanSetup.cpp.o" "gcc" "app/CMakeFiles/kelmo_report.dir/ScanSetup.cpp.o.d"
  "/work/main/app/TemporaryName.cpp" "app/CMakeFiles/kelmo_report.dir/TemporaryName.cpp.o" "gcc" "app/CMakeFiles/kelmo_report.dir/TemporaryName.cpp.o.d"
  "/work/main/app/ZstdPipe.cpp" "app/CMakeFiles/kelmo_report.dir/ZstdPipe.cpp.o" "gcc" "app/CMakeFiles/kelmo_report.dir/ZstdPipe.cpp.o.d"
  "/work/main/build-dev/app/kelmo_report_autogen/mocs_compilation.cpp" "app/CMakeFiles/kelmo_report.dir/kelmo_report_autogen/mocs_compilation.cpp.o" "gcc" "app/CMakeFiles/kelmo_report.dir/kelmo_report_autogen/mocs_compilation.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-dev/survey/CMakeFiles/kelmo_survey.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
