# Empty custom commands generated dependencies file for compare_report_tests_autogen.
# This may be replaced when dependencies are built.
