# Empty custom commands generated dependencies file for kelmo-gui_autogen.
# This may be replaced when dependencies are built.
