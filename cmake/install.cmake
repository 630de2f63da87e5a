# Installation: one program folder <prefix>/lib/ostrel holding the executable and every data
# file it reads (the same relative paths as in the build's program folder), a launcher
# <prefix>/bin/ostrel and a desktop entry. Included last, once every target exists and
# OSTREL_DATA_FILES is complete.
include(GNUInstallDirs)

set(OSTREL_INSTALL_PROGRAM_DIR ${CMAKE_INSTALL_LIBDIR}/ostrel)

if(TARGET ostrel)
  install(TARGETS ostrel RUNTIME DESTINATION ${OSTREL_INSTALL_PROGRAM_DIR})
endif()

get_property(ostrel_data_files GLOBAL PROPERTY OSTREL_DATA_FILES)
list(REMOVE_DUPLICATES ostrel_data_files)
set(ostrel_data_relative "")
foreach(data_file IN LISTS ostrel_data_files)
  file(RELATIVE_PATH relative ${OSTREL_PROGRAM_DIR} ${data_file})
  if(relative MATCHES "^\\.\\./")
    # Outside the program folder: it goes to the top of the installed one.
    get_filename_component(relative ${data_file} NAME)
  endif()
  get_filename_component(sub_dir ${relative} DIRECTORY)
  install(FILES ${data_file} DESTINATION ${OSTREL_INSTALL_PROGRAM_DIR}/${sub_dir})
  list(APPEND ostrel_data_relative ${relative})
endforeach()
# What an installed copy must hold, for the check of the installation.
list(JOIN ostrel_data_relative "\n" ostrel_data_lines)
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/ostrel-data-files.txt CONTENT "${ostrel_data_lines}\n")

# The launcher finds the program folder from its own place, so the installed tree can move.
file(RELATIVE_PATH OSTREL_LAUNCHER_RELATIVE ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_LIBDIR}/ostrel)
configure_file(${PROJECT_SOURCE_DIR}/data/install/ostrel.in ${CMAKE_BINARY_DIR}/install/ostrel
               @ONLY)
install(PROGRAMS ${CMAKE_BINARY_DIR}/install/ostrel DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/install/ostrel.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The type of the project files (.ostrel), so that the desktop opens them with the program.
# The desktop's MIME database takes it in at its next update (update-mime-database, run by
# package managers after an install).
install(FILES ${PROJECT_SOURCE_DIR}/data/install/ostrel-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ostrel.xml)

get_property(ostrel_icon GLOBAL PROPERTY OSTREL_ICON_FILE)
if(ostrel_icon)
  install(FILES ${ostrel_icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps)
endif()
