# Empty dependencies file for chart_rendering_tests.
# This may be replaced when dependencies are built.
