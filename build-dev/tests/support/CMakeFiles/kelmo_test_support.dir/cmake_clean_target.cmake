file(REMOVE_RECURSE
  "libkelmo_test_support.a"
)
