add_executable(ostrel_language_tests
    ${CMAKE_CURRENT_LIST_DIR}/testmain.cpp
    ${CMAKE_CURRENT_LIST_DIR}/testdb.h
    ${CMAKE_CURRENT_LIST_DIR}/translationstore_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/langue_test.cpp
)
target_link_libraries(ostrel_language_tests PRIVATE ostrel_language ostrel_langdb Qt6::Core
                                                    Qt6::Sql GTest::gtest)
# The shipped store is the one the build generates for the program folder.
target_compile_definitions(ostrel_language_tests PRIVATE
    OSTREL_SHIPPED_LANG_DB="${OSTREL_PROGRAM_DIR}/Lenguas.db")
add_dependencies(ostrel_language_tests ostrel_lenguas_db)
gtest_discover_tests(ostrel_language_tests DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "${OSTREL_TEST_ENV}")
