# Empty custom commands generated dependencies file for kelmo_windows_autogen.
# This may be replaced when dependencies are built.
