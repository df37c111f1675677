# Empty dependencies file for kelmo_resources.
# This may be replaced when dependencies are built.
