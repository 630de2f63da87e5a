add_executable(bench_solids ${CMAKE_CURRENT_LIST_DIR}/solids/bench_solids.cpp)
target_link_libraries(bench_solids PRIVATE ostrel_solids benchmark::benchmark)
