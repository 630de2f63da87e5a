# The figures of the report and their drawing primitives.
target_sources(ostrel_report PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/figures.h ${CMAKE_CURRENT_LIST_DIR}/figures.cpp
    ${CMAKE_CURRENT_LIST_DIR}/primitives.h ${CMAKE_CURRENT_LIST_DIR}/primitives.cpp)

# The editor's kind pictures and the toolbar images, drawn at build time by the same figures.
if(NOT OSTREL_CORE_ONLY)
  add_subdirectory(${PROJECT_SOURCE_DIR}/tools/pictures ${CMAKE_BINARY_DIR}/tools/pictures)
endif()
