# Empty dependencies file for kelmo-gui.
# This may be replaced when dependencies are built.
