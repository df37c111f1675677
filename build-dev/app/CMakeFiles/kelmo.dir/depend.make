# Empty dependencies file for kelmo.
# This may be replaced when dependencies are built.
