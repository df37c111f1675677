# Empty dependencies file for kelmo_legend_tests.
# This may be replaced when dependencies are built.
