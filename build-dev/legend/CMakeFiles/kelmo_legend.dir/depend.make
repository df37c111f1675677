# Empty dependencies file for kelmo_legend.
# This may be replaced when dependencies are built.
