# Empty dependencies file for chart_view_tests.
# This may be replaced when dependencies are built.
