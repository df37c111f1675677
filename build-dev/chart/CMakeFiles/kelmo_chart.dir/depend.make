# Empty dependencies file for kelmo_chart.
# This may be replaced when dependencies are built.
