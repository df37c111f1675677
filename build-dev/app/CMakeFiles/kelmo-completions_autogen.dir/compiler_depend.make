# Empty custom commands generated dependencies file for kelmo-completions_autogen.
# This may be replaced when dependencies are built.
