# Empty compiler generated dependencies file for kelmo-gui.
# This may be replaced when dependencies are built.
