# Empty custom commands generated dependencies file for manual.
# This may be replaced when dependencies are built.
