# Empty dependencies file for kelmo_test_support.
# This may be replaced when dependencies are built.
