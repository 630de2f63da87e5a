# The report rendered to PDF: 1,000 and 10,000 part lines of all twenty kinds.
add_executable(bench_report ${CMAKE_CURRENT_LIST_DIR}/report/report_bench.cpp)
target_link_libraries(bench_report PRIVATE ostrel_report ostrel_page ostrel_list
                      benchmark::benchmark Qt6::Gui)
