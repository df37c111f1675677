file(REMOVE_RECURSE
  "libkelmo_chart.a"
)
