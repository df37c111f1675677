# CMAKE generated file: DO NOT EDIT!
# Timestamp file for custom commands dependencies management for chart_view_tests_autogen.
