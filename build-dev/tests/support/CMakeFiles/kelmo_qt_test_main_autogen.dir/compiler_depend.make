# Empty custom commands generated dependencies file for kelmo_qt_test_main_autogen.
# This may be replaced when dependencies are built.
