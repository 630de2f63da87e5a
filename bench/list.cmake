# The parts list: adds and take-backs on the plain list, and through the models with shown
# views (widgets, so not in the core-only build).
if(NOT OSTREL_CORE_ONLY)
  add_executable(bench_list ${CMAKE_CURRENT_LIST_DIR}/list/bench_list.cpp)
  target_link_libraries(bench_list PRIVATE ostrel_listmodels Qt6::Widgets benchmark::benchmark)
endif()
