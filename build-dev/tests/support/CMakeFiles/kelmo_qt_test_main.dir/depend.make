# Empty dependencies file for kelmo_qt_test_main.
# This may be replaced when dependencies are built.
