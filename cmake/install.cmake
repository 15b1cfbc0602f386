# The installed game: the executable under lib/games/veltrane, DATA under
# share/games/veltrane, and on the PATH a launcher that runs the one in the other. The
# launcher goes to the games binary folder, /usr/games or /usr/local/games on Debian,
# which are on every ordinary user's PATH there and hold the commands of Debian's games.
include(GNUInstallDirs)
set(VELTRANE_INSTALL_GAMESDIR games CACHE STRING "Launcher folder, under the prefix")
set(VELTRANE_INSTALL_GAMEDIR lib/games/veltrane CACHE STRING "Executable folder, under the prefix")
set(VELTRANE_INSTALL_GAMEDATADIR ${CMAKE_INSTALL_DATADIR}/games/veltrane CACHE STRING "DATA's folder, under the prefix")

# The launcher's ways from its own folder to the other two.
file(RELATIVE_PATH VELTRANE_DATA_FROM_GAMES /${VELTRANE_INSTALL_GAMESDIR} /${VELTRANE_INSTALL_GAMEDATADIR})
file(RELATIVE_PATH VELTRANE_EXECUTABLE_FROM_GAMES /${VELTRANE_INSTALL_GAMESDIR} /${VELTRANE_INSTALL_GAMEDIR}/veltrane)
configure_file(packaging/veltrane.in ${CMAKE_BINARY_DIR}/launcher/veltrane @ONLY)
# Who answers for the package: its control file and changelog name them. The project has
# no public address yet; .invalid says so.
set(VELTRANE_PACKAGE_MAINTAINER "Veltrane Developers <dev@veltrane.invalid>" CACHE STRING "Package maintainer")
configure_file(packaging/changelog.in ${CMAKE_BINARY_DIR}/packaging/changelog @ONLY)

# The icons, painted by the data generator, and the compressed documents Debian asks for.
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/icons/.stamp
                   COMMAND makedata --icons ${CMAKE_BINARY_DIR}/icons
                   COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/icons/.stamp
                   DEPENDS makedata
                   COMMENT "Painting the icons")
set(compressed)
foreach(document ${CMAKE_SOURCE_DIR}/packaging/veltrane.6 ${CMAKE_BINARY_DIR}/packaging/changelog)
  get_filename_component(name ${document} NAME)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/${name}.gz
                     COMMAND sh -c "gzip -9n < \"$0\" > \"$1\"" ${document} ${CMAKE_BINARY_DIR}/packaging/${name}.gz
                     DEPENDS ${document} VERBATIM)
  list(APPEND compressed ${CMAKE_BINARY_DIR}/packaging/${name}.gz)
endforeach()
add_custom_target(install_files ALL DEPENDS ${CMAKE_BINARY_DIR}/icons/.stamp ${compressed})

install(TARGETS veltrane DESTINATION ${VELTRANE_INSTALL_GAMEDIR})
install(DIRECTORY ${CMAKE_BINARY_DIR}/DATA DESTINATION ${VELTRANE_INSTALL_GAMEDATADIR} PATTERN .stamp EXCLUDE)
install(PROGRAMS ${CMAKE_BINARY_DIR}/launcher/veltrane DESTINATION ${VELTRANE_INSTALL_GAMESDIR})
install(FILES packaging/veltrane.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/local.veltrane.veltrane.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor PATTERN .stamp EXCLUDE)
install(FILES ${CMAKE_BINARY_DIR}/packaging/veltrane.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES packaging/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/veltrane)
