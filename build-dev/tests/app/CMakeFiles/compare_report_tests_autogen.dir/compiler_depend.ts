# CMAKE generated file: DO NOT EDIT!
# Timestamp file for custom commands dependencies management for compare_report_tests_autogen.
