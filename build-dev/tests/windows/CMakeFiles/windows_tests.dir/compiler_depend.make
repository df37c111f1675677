# Empty compiler generated dependencies file for windows_tests.
# This may be replaced when dependencies are built.
