# Empty custom commands generated dependencies file for kelmo_app_autogen.
# This may be replaced when dependencies are built.
