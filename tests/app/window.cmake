# The main window, driven by real key and mouse events in an offscreen window.
if(NOT OSTREL_CORE_ONLY)
  add_executable(tst_ostrelwindow ${CMAKE_CURRENT_LIST_DIR}/tst_ostrelwindow.cpp)
  target_link_libraries(tst_ostrelwindow PRIVATE ostrel_app Qt6::Test)
  # The fixture copies the store and the pictures of the build's program folder.
  target_compile_definitions(tst_ostrelwindow PRIVATE
                             OSTREL_PROGRAM_DIR="${OSTREL_PROGRAM_DIR}/")
  foreach(data ostrel_lenguas_db ostrel_pictures)
    if(TARGET ${data})
      add_dependencies(tst_ostrelwindow ${data})
    endif()
  endforeach()
  add_test(NAME tst_ostrelwindow COMMAND tst_ostrelwindow)
  set_tests_properties(tst_ostrelwindow PROPERTIES ENVIRONMENT "${OSTREL_TEST_ENV}")
endif()
