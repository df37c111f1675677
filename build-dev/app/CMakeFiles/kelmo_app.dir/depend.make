# Empty dependencies file for kelmo_app.
# This may be replaced when dependencies are built.
