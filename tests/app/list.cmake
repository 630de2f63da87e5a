# The parts list and its models (GoogleTest; the model tests run on an offscreen
# QGuiApplication created by the suite's main).
add_executable(ostrel_list_tests
    ${CMAKE_CURRENT_LIST_DIR}/list_main.cpp
    ${CMAKE_CURRENT_LIST_DIR}/partslist_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/partslistmodel_test.cpp)
target_link_libraries(ostrel_list_tests PRIVATE ostrel_listmodels GTest::gtest)
gtest_discover_tests(ostrel_list_tests DISCOVERY_MODE PRE_TEST
                     PROPERTIES ENVIRONMENT "${OSTREL_TEST_ENV}")
