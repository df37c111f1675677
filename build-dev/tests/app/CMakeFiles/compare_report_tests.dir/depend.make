# Empty dependencies file for compare_report_tests.
# This may be replaced when dependencies are built.
