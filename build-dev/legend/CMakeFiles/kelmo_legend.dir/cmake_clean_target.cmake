file(REMOVE_RECURSE
  "libkelmo_legend.a"
)
