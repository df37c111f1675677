# Empty dependencies file for kelmo_survey.
# This may be replaced when dependencies are built.
