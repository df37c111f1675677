file(REMOVE_RECURSE
  "libkelmo_qt_test_main.a"
)
