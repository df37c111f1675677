# Empty custom commands generated dependencies file for kelmo_chart_autogen.
# This may be replaced when dependencies are built.
