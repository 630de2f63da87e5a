# The report driver, its tables and the page surfaces (GoogleTest on an offscreen
# QGuiApplication), and the report commands of the window (on a QApplication).
add_executable(ostrel_report_tests
    ${CMAKE_CURRENT_LIST_DIR}/report_test_main.cpp
    ${CMAKE_CURRENT_LIST_DIR}/report_fixture.h
    ${CMAKE_CURRENT_LIST_DIR}/report_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pdf_report_test.cpp)
# Part lines name only the cells they need.
target_compile_options(ostrel_report_tests PRIVATE -Wno-missing-field-initializers)
target_link_libraries(ostrel_report_tests PRIVATE ostrel_report ostrel_page ostrel_list
                      GTest::gtest Qt6::Gui)
gtest_discover_tests(ostrel_report_tests DISCOVERY_MODE PRE_TEST
                     PROPERTIES ENVIRONMENT "${OSTREL_TEST_ENV}")

if(NOT OSTREL_CORE_ONLY)
  add_executable(ostrel_reportcommands_tests
      ${CMAKE_CURRENT_LIST_DIR}/report_test_main.cpp
      ${CMAKE_CURRENT_LIST_DIR}/report_fixture.h
      ${CMAKE_CURRENT_LIST_DIR}/reportcommands_report_test.cpp)
  target_compile_definitions(ostrel_reportcommands_tests PRIVATE OSTREL_REPORT_WIDGETS)
  target_compile_options(ostrel_reportcommands_tests PRIVATE -Wno-missing-field-initializers)
  target_link_libraries(ostrel_reportcommands_tests PRIVATE ostrel_report_widgets
                        GTest::gtest Qt6::Widgets Qt6::PrintSupport)
  gtest_discover_tests(ostrel_reportcommands_tests DISCOVERY_MODE PRE_TEST
                       PROPERTIES ENVIRONMENT "${OSTREL_TEST_ENV}")
endif()
