# The About window (Qt Test) and the installed copy of the program (a script run by ctest).
if(NOT OSTREL_CORE_ONLY)
  add_executable(tst_about ${CMAKE_CURRENT_LIST_DIR}/tst_about.cpp)
  target_link_libraries(tst_about PRIVATE ostrel_about Qt6::Test)
  target_compile_definitions(tst_about PRIVATE
      OSTREL_PROJECT_VERSION="${PROJECT_VERSION}"
      OSTREL_PROGRAM_DIR_FOR_TESTS="${OSTREL_PROGRAM_DIR}/")
  add_test(NAME tst_about COMMAND tst_about)
  set_tests_properties(tst_about PROPERTIES ENVIRONMENT "${OSTREL_TEST_ENV}")

  # An installed copy in a temporary prefix: installed once, checked, removed.
  set(about_prefix ${CMAKE_BINARY_DIR}/tests/about-install)
  set(about_script ${CMAKE_CURRENT_LIST_DIR}/installcopy.sh)
  set(about_has_program $<TARGET_EXISTS:ostrel>)
  add_test(NAME about_install_setup
      COMMAND sh ${about_script} install ${about_has_program} ${CMAKE_BINARY_DIR} ${about_prefix})
  add_test(NAME about_installed_files
      COMMAND sh ${about_script} files ${about_has_program} ${CMAKE_BINARY_DIR} ${about_prefix})
  add_test(NAME about_installed_starts
      COMMAND sh ${about_script} start ${about_has_program} ${CMAKE_BINARY_DIR} ${about_prefix})
  add_test(NAME about_install_cleanup
      COMMAND sh ${about_script} cleanup ${about_has_program} ${CMAKE_BINARY_DIR} ${about_prefix})
  set_tests_properties(about_install_setup PROPERTIES FIXTURES_SETUP about_install)
  set_tests_properties(about_installed_files about_installed_starts PROPERTIES
      FIXTURES_REQUIRED about_install)
  set_tests_properties(about_install_cleanup PROPERTIES FIXTURES_CLEANUP about_install)
  set_tests_properties(about_install_setup about_installed_files about_installed_starts
      about_install_cleanup PROPERTIES
      ENVIRONMENT "${OSTREL_TEST_ENV}"
      SKIP_REGULAR_EXPRESSION "SKIPPED:"
      RESOURCE_LOCK about_install_prefix)
endif()
