# The parts list: the plain data (ostrel_list, Qt Core only) and its table models
# (ostrel_listmodels, Qt Gui). Both are widget-free and build in every configuration.
add_library(ostrel_list STATIC
    ${CMAKE_CURRENT_LIST_DIR}/partslist.h ${CMAKE_CURRENT_LIST_DIR}/partslist.cpp)
target_include_directories(ostrel_list PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(ostrel_list PUBLIC ostrel_solids Qt6::Core)

add_library(ostrel_listmodels STATIC
    ${CMAKE_CURRENT_LIST_DIR}/partslistmodel.h ${CMAKE_CURRENT_LIST_DIR}/partslistmodel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/totalsmodel.h ${CMAKE_CURRENT_LIST_DIR}/totalsmodel.cpp)
target_include_directories(ostrel_listmodels PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(ostrel_listmodels PUBLIC ostrel_list Qt6::Gui)
