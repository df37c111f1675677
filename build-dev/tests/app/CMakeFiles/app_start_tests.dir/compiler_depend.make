# Empty compiler generated dependencies file for app_start_tests.
# This may be replaced when dependencies are built.
