# Empty dependencies file for output_file_tests.
# This may be replaced when dependencies are built.
