# The main window (ostrel_app) and the program (ostrel), which only starts it.
if(NOT OSTREL_CORE_ONLY)
  add_library(ostrel_app STATIC
      ${CMAKE_CURRENT_LIST_DIR}/ostrel.h ${CMAKE_CURRENT_LIST_DIR}/ostrel.cpp
      ${CMAKE_CURRENT_LIST_DIR}/editeur.h ${CMAKE_CURRENT_LIST_DIR}/editeur.cpp
      ${CMAKE_CURRENT_LIST_DIR}/commandes.h ${CMAKE_CURRENT_LIST_DIR}/commandes.cpp
      ${CMAKE_CURRENT_LIST_DIR}/traduction.h ${CMAKE_CURRENT_LIST_DIR}/traduction.cpp
      ${CMAKE_CURRENT_LIST_DIR}/imagelist.h ${CMAKE_CURRENT_LIST_DIR}/imagelist.cpp)
  target_include_directories(ostrel_app PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(ostrel_app PUBLIC ostrel_listmodels ostrel_list ostrel_language
                        ostrel_solids ostrel_platform_widgets ostrel_report_widgets
                        ostrel_about
                        Qt6::Widgets)

  qt_add_executable(ostrel ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
  target_link_libraries(ostrel PRIVATE ostrel_app)
  set_target_properties(ostrel PROPERTIES WIN32_EXECUTABLE ON)
endif()
