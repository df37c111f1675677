# Empty custom commands generated dependencies file for output_file_tests_autogen.
# This may be replaced when dependencies are built.
