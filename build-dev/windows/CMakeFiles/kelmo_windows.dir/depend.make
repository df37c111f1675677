# Empty dependencies file for kelmo_windows.
# This may be replaced when dependencies are built.
