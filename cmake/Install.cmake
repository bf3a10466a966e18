# `cmake --install` lays the runnable folder out under lib/tavlion (program,
# libraries, data), with a launcher in bin/, a desktop entry and the icon.
include(GNUInstallDirs)
set(TAVLION_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/tavlion)

install(TARGETS Tavlion tavlion-uci Engine Tonmark TavlionPlatform platform_midi
  RUNTIME DESTINATION ${TAVLION_INSTALL_DIR}
  LIBRARY DESTINATION ${TAVLION_INSTALL_DIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/assets/data/ DESTINATION ${TAVLION_INSTALL_DIR})

file(GLOB data_entries RELATIVE ${PROJECT_SOURCE_DIR}/assets/data ${PROJECT_SOURCE_DIR}/assets/data/*)
list(JOIN data_entries " " data_entries)
file(RELATIVE_PATH TAVLION_INSTALL_RELATIVE
  ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${TAVLION_INSTALL_DIR})
set(TAVLION_DATA_ENTRIES "${data_entries}")
configure_file(${PROJECT_SOURCE_DIR}/resources/desktop/tavlion.in
  ${CMAKE_BINARY_DIR}/tavlion @ONLY)
install(PROGRAMS ${CMAKE_BINARY_DIR}/tavlion DESTINATION ${CMAKE_INSTALL_BINDIR})
# The UCI engine for other chess programs, on the path beside the launcher;
# it finds the engine library beside its real self.
install(CODE "file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  file(CREATE_LINK \"${TAVLION_INSTALL_RELATIVE}/tavlion-uci\"
    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/tavlion-uci\" SYMBOLIC)")

install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/tavlion.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/icon_64.png
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps RENAME tavlion.png)
install(FILES ${PROJECT_SOURCE_DIR}/resources/icon.png
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps RENAME tavlion.png)
