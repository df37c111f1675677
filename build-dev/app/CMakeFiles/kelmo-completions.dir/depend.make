# Empty dependencies file for kelmo-completions.
# This may be replaced when dependencies are built.
