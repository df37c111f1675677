file(REMOVE_RECURSE
  "libkelmo_resources.a"
)
