file(REMOVE_RECURSE
  "libkelmo_survey.a"
)
