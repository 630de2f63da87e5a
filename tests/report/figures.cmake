# The figures of the report and their drawing primitives, against the recording surface; also
# the filter that turns them into toolbar images.
add_executable(ostrel_figures_tests figures_test.cpp
    ${PROJECT_SOURCE_DIR}/tools/pictures/picturefilter.cpp)
target_include_directories(ostrel_figures_tests PRIVATE ${PROJECT_SOURCE_DIR}/tools/pictures)
target_link_libraries(ostrel_figures_tests PRIVATE ostrel_report ostrel_page ostrel_solids
                      GTest::gtest Qt6::Gui)
gtest_discover_tests(ostrel_figures_tests DISCOVERY_MODE PRE_TEST
                     PROPERTIES ENVIRONMENT "${OSTREL_TEST_ENV}")
