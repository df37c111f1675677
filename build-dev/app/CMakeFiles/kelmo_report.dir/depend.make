# Empty dependencies file for kelmo_report.
# This may be replaced when dependencies are built.
