file(REMOVE_RECURSE
  "libkelmo_app.a"
)
