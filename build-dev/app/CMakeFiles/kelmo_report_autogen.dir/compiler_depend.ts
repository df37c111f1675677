# CMAKE generated file: DO NOT EDIT!
# Timestamp file for custom commands dependencies management for kelmo_report_autogen.
