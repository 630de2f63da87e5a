add_executable(ostrel_solids_tests
    ${CMAKE_CURRENT_LIST_DIR}/numbertext_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/catalogue_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/calcul_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/locale_test.cpp
)
target_link_libraries(ostrel_solids_tests PRIVATE ostrel_solids Qt6::Core GTest::gtest_main)
gtest_discover_tests(ostrel_solids_tests DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "${OSTREL_TEST_ENV}")
