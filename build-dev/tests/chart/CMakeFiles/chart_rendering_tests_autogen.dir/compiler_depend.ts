# CMAKE generated file: DO NOT EDIT!
# Timestamp file for custom commands dependencies management for chart_rendering_tests_autogen.
