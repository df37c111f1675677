file(REMOVE_RECURSE
  "libkelmo_report.a"
)
