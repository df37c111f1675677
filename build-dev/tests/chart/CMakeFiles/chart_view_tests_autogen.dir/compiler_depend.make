# Empty custom commands generated dependencies file for chart_view_tests_autogen.
# This may be replaced when dependencies are built.
