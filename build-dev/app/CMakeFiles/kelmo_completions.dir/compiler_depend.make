# Empty custom commands generated dependencies file for kelmo_completions.
# This may be replaced when dependencies are built.
