add_test([=[TKelmoApp.QtTakesNoOptionFromTheCommandLine]=]  /work/main/build-dev/tests/app/app_start_tests [==[--gtest_filter=TKelmoApp.QtTakesNoOptionFromTheCommandLine]==] --gtest_also_run_disabled_tests)
set_tests_properties([=[TKelmoApp.QtTakesNoOptionFromTheCommandLine]=]  PROPERTIES WORKING_DIRECTORY /work/main/build-dev/tests/app SKIP_REGULAR_EXPRESSION [==[\[  SKIPPED \]]==] ENVIRONMENT [==[QT_QPA_PLATFORM=offscreen]==] TIMEOUT 120)
set(  app_start_tests_TESTS TKelmoApp.QtTakesNoOptionFromTheCommandLine)
