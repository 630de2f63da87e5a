# The main window's benchmarks: the startup against a bare Qt main window, both launched as
# processes the same way, and the time from a key release in a dimension box to the captions.
if(NOT OSTREL_CORE_ONLY)
  # Both programs print "idle" once the window is shown and the event loop has nothing left
  # to do, then quit.
  add_executable(bench_app_bare ${CMAKE_CURRENT_LIST_DIR}/app/bare_main.cpp)
  target_link_libraries(bench_app_bare PRIVATE Qt6::Widgets)
  add_executable(bench_app_ostrel ${CMAKE_CURRENT_LIST_DIR}/app/ostrel_main.cpp)
  target_link_libraries(bench_app_ostrel PRIVATE ostrel_app)

  add_executable(bench_app ${CMAKE_CURRENT_LIST_DIR}/app/bench_app.cpp)
  target_link_libraries(bench_app PRIVATE ostrel_app Qt6::Test benchmark::benchmark)
  target_compile_definitions(bench_app PRIVATE
      OSTREL_PROGRAM_DIR="${OSTREL_PROGRAM_DIR}/"
      BENCH_BARE="$<TARGET_FILE:bench_app_bare>"
      BENCH_OSTREL="$<TARGET_FILE:bench_app_ostrel>")
  add_dependencies(bench_app bench_app_bare bench_app_ostrel)
  foreach(data ostrel_lenguas_db ostrel_pictures)
    if(TARGET ${data})
      add_dependencies(bench_app ${data})
    endif()
  endforeach()
endif()

# The README's screenshot of the main window (a tool, not a benchmark).
if(NOT OSTREL_CORE_ONLY)
  add_executable(bench_app_shot ${CMAKE_CURRENT_LIST_DIR}/app/shot_main.cpp)
  target_link_libraries(bench_app_shot PRIVATE ostrel_app Qt6::Test)
  set_target_properties(bench_app_shot PROPERTIES RUNTIME_OUTPUT_DIRECTORY
                                                  ${CMAKE_BINARY_DIR}/tools)
endif()
