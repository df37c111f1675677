
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/survey/ChunkedInput.cpp" "survey/CMakeFiles/kelmo_survey.dir/ChunkedInput.cpp.o" "gcc" "survey/CMakeFiles/kelmo_survey.dir/ChunkedInput.cpp.o.d"
  "/work/main/survey/ComparedScan.cpp" "survey/CMakeFiles/kelmo_survey.dir/ComparedScan.cpp.o" "gcc" "survey/CMakeFiles/kelmo_survey.dir/ComparedScan.cpp.o.d"
  "/work/main/survey/DirTree.cpp" "survey/CMakeFiles/kelmo_survey.dir/DirTree.cpp.o" "gcc" "survey/CMakeFiles/kelmo_survey.dir/DirTree.cpp.o.d"
  "/work/main/survey/DirectoryReport.cpp" "survey/CMakeFiles/kelmo_survey.dir/DirectoryReport.cpp.o" "gcc" "survey/CMakeFiles/kelmo_survey.dir/DirectoryReport.cpp.o.d"
  "/work/main/survey/Drives.cpp" "survey/CMakeFiles/kelmo_survey.dir/Drives.cpp.o" "gcc" "survey/CMakeFiles/kelmo_survey.dir/Drives.cpp.o.d"
  "/work/main/survey/ExcludingSource.cpp" "survey/CMakeFiles/kelmo_survey.dir/ExcludingSource.cpp.o" "gcc" "survey/CMakeFiles/kelmo_survey.dir/ExcludingSource.cpp.o.d"
  "/work/main/survey/FileInfo.cpp" "survey/CMakeFiles/kelmo_survey.dir/FileInfo.cpp.o" "gcc" "survey/CMakeFiles/kelmo_survey.dir/FileInfo.cpp.o.d"
  "/work/main/survey/FileListing.cpp" "survey/CMakeFiles/kelmo_survey.dir/FileListing.cpp.o" "gcc" "survey/CMakeFiles/kelmo_survey.dir/FileListing.cpp.o.d"
  "/work/main/survey/FormatBytes.cpp" "survey/CMakeFiles/kelmo_survey.dir/FormatBytes.cpp.o" "gcc" "survey/CMakeFiles/kelmo_survey.dir/FormatBytes.cpp.o.d"
  "/work/main/survey/HardLinkLedger.cpp" "survey/CMakeFiles/kelmo_survey.dir/HardLinkLedger.cpp.o" "gcc" "survey/CMakeFiles/kelmo_survey.dir/HardLinkLedger.cpp.o.d"
  "/work/main/survey/LargestFiles.cpp" "survey/CMakeFiles/kelmo_survey.dir/LargestFiles.cpp.o" "gcc" "survey/CMakeFiles/kelmo_survey.dir/LargestFiles.cpp.o.d"
  "/work/main/survey/MountTable.cpp" "survey/CMakeFiles/kelmo_survey.dir/MountTable.cpp.o" "gcc" "survey/CMakeFiles/kelmo_survey.dir/MountTable.cpp.o.d"
  "/work/main/survey/NavigationCursor.cpp" "survey/CMakeFiles/kelmo_survey.dir/NavigationCursor.cpp.o" "gcc" "survey/CMakeFiles/kelmo_survey.dir/NavigationCursor.cpp.o.d"
  "/work/main/survey/OutsideLinks.cpp" "survey/CMakeFiles/kelmo_survey.dir/OutsideLinks.cpp.o" "gcc" "survey/CMakeFiles/kelmo_survey.dir/OutsideLinks.cpp.o.d"
  "/work/main/survey/ParallelWalk.cpp" "survey/CMakeFiles/kelmo_survey.dir/ParallelWalk.cpp.o" "gcc" "survey/CMakeFiles/kelmo_survey.dir/ParallelWalk.cpp.o.d"
  "/work/main/survey/PosixDirectorySource.cpp" "survey/CMakeFiles/kelmo_survey.dir/PosixDirectorySource.cpp.o" "gcc" "survey/CMakeFiles/kelmo_survey.dir/PosixDirectorySource.cpp.o.d"
  "/work/main/survey/PrefetchingSource.cpp" "survey/CMakeFiles/kelmo_survey.dir/PrefetchingSource.cpp.o" "gcc" "survey/CMakeFiles/kelmo_survey.dir/PrefetchingSource.cpp.o.d"
  "/work/main/survey/ProgressEstimate.cpp" "survey/CMakeFiles/kelmo_survey.dir/ProgressEstimate.cpp.o" "gcc" "survey/CMakeFiles/kelmo_survey.dir/ProgressEstimate.cpp.o.d"
  "/work/main/survey/RemoveSubtree.cpp" "survey/CMakeFiles/kelmo_survey.dir/RemoveSubtree.cpp.o" "gcc" "survey/CMakeFiles/kelmo_survey.dir/RemoveSubtree.cpp.o.d"
  "/work/main/survey/ReplayTree.cpp" "survey/CMakeFiles/kelmo_survey.dir/ReplayTree.cpp.o" "gcc" "survey/CMakeFiles/kelmo_survey.dir/ReplayTree.cpp.o.d"
  "/work/main/survey/SavedScanReader.cpp" "survey/CMakeFiles/kelmo_survey.dir/SavedScanReader.cpp.o" "gcc" "survey/CMakeFiles/kelmo_survey.dir/SavedScanReader.cpp.o.d"
  "/work/main/survey/SavedScanWriter.cpp" "survey/CMakeFiles/kelmo_survey.dir/SavedScanWriter.cpp.o" "gcc" "survey/CMakeFiles/kelmo_survey.dir/SavedScanWriter.cpp.o.d"
  "/work/main/survey/ScanControl.cpp" "survey/CMakeFiles/kelmo_survey.dir/ScanControl.cpp.o" "gcc" "survey/CMakeFiles/kelmo_survey.dir/ScanControl.cpp.o.d"
  "/work/main/survey/Scanner.cpp" "survey/CMakeFiles/kelmo_survey.dir/Scanner.cpp.o" "gcc" "survey/CMakeFiles/kelmo_survey.dir/Scanner.cpp.o.d"
  "/work/main/survey/SequentialWalk.cpp" "survey/CMakeFiles/kelmo_survey.dir/SequentialWalk.cpp.o" "gcc" "survey/CMakeFiles/kelmo_survey.dir/SequentialWalk.cpp.o.d"
  "/work/main/survey/TreeBuilder.cpp" "survey/CMakeFiles/kelmo_survey.dir/TreeBuilder.cpp.o" "gcc" "survey/CMakeFiles/kelmo_survey.dir/TreeBuilder.cpp.o.d"
  "/work/main/survey/TreeComparison.cpp" "survey/CMakeFiles/kelmo_survey.dir/TreeComparison.cpp.o" "gcc" "survey/CMakeFiles/kelmo_survey.dir/TreeComparison.cpp.o.d"
  "/work/main/survey/WalkerCount.cpp" "survey/CMakeFiles/kelmo_survey.dir/WalkerCount.cpp.o" "gcc" "survey/CMakeFiles/kelmo_survey.dir/WalkerCount.cpp.o.d"
  "/work/main/build-dev/survey/kelmo_survey_autogen/mocs_compilation.cpp" "survey/CMakeFiles/kelmo_survey.dir/kelmo_survey_autogen/mocs_compilation.cpp.o" "gcc" "survey/CMakeFiles/kelmo_survey.dir/kelmo_survey_autogen/mocs_compilation.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
