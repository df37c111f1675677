# CMAKE generated file: DO NOT EDIT!
# Timestamp file for custom commands dependencies management for saved_scan_tests_autogen.
