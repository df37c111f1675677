# Empty dependencies file for survey_tests.
# This may be replaced when dependencies are built.
