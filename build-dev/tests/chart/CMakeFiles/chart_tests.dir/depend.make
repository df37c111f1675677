# Empty dependencies file for chart_tests.
# This may be replaced when dependencies are built.
