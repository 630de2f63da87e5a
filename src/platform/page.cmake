# The page surface: its shared text rules, the recorder of the tests and the painter surface.
target_sources(ostrel_page PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/pagesurface.h ${CMAKE_CURRENT_LIST_DIR}/pagesurface.cpp
    ${CMAKE_CURRENT_LIST_DIR}/recordingsurface.h ${CMAKE_CURRENT_LIST_DIR}/recordingsurface.cpp
    ${CMAKE_CURRENT_LIST_DIR}/paintersurface.h ${CMAKE_CURRENT_LIST_DIR}/paintersurface.cpp
)
