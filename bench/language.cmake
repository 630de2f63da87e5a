# Opening the shipped translation store and loading a language; switching language.
add_executable(bench_language ${CMAKE_CURRENT_LIST_DIR}/language/bench_language.cpp)
target_link_libraries(bench_language PRIVATE ostrel_language Qt6::Core benchmark::benchmark)
target_compile_definitions(bench_language PRIVATE
    OSTREL_SHIPPED_LANG_DB="${OSTREL_PROGRAM_DIR}/Lenguas.db")
add_dependencies(bench_language ostrel_lenguas_db)
