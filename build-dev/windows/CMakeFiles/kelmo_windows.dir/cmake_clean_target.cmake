file(REMOVE_RECURSE
  "libkelmo_windows.a"
)
