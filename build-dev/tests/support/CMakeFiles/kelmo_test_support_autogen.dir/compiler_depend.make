# Empty custom commands generated dependencies file for kelmo_test_support_autogen.
# This may be replaced when dependencies are built.
