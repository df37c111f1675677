# Empty compiler generated dependencies file for saved_scan_tests.
# This may be replaced when dependencies are built.
