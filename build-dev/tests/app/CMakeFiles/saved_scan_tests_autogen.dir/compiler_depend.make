# Empty custom commands generated dependencies file for saved_scan_tests_autogen.
# This may be replaced when dependencies are built.
