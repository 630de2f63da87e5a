# The report driver and its tables (widget-free), and the report commands of the window.
target_sources(ostrel_report PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/rapport.h ${CMAKE_CURRENT_LIST_DIR}/rapport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tableaux.h ${CMAKE_CURRENT_LIST_DIR}/tableaux.cpp)

if(NOT OSTREL_CORE_ONLY)
  target_sources(ostrel_report_widgets PRIVATE
      ${CMAKE_CURRENT_LIST_DIR}/reportcommands.h ${CMAKE_CURRENT_LIST_DIR}/reportcommands.cpp)
endif()
