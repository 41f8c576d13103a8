# What an installation holds, and the Debian package made of it (scripts/package).
include(GNUInstallDirs)

set(QUILLET_APP_ID org.dscquillet.Quillet)
set(QUILLET_LINUX_DIR ${PROJECT_SOURCE_DIR}/resources/linux)
set(QUILLET_GENERATED ${CMAKE_BINARY_DIR}/generated)

install(TARGETS quillet RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/channels.ini DESTINATION ${CMAKE_INSTALL_DATADIR}/quillet)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/example DESTINATION ${CMAKE_INSTALL_DATADIR}/quillet)
install(FILES ${QUILLET_LINUX_DIR}/${QUILLET_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QUILLET_LINUX_DIR}/${QUILLET_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The icon's PNG sizes, the metadata with the version, the man page compressed.
configure_file(${QUILLET_LINUX_DIR}/${QUILLET_APP_ID}.metainfo.xml ${QUILLET_GENERATED}/${QUILLET_APP_ID}.metainfo.xml
               @ONLY)
configure_file(${QUILLET_LINUX_DIR}/quillet.1 ${QUILLET_GENERATED}/quillet.1 @ONLY)
add_custom_command(OUTPUT ${QUILLET_GENERATED}/icons/256x256/apps/${QUILLET_APP_ID}.png
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:quillet_icons>
          ${QUILLET_GENERATED}/icons ${QUILLET_APP_ID}
  DEPENDS quillet_icons)
add_custom_command(OUTPUT ${QUILLET_GENERATED}/quillet.1.gz
  COMMAND gzip -9nf -k ${QUILLET_GENERATED}/quillet.1
  DEPENDS ${QUILLET_GENERATED}/quillet.1)
add_custom_command(OUTPUT ${QUILLET_GENERATED}/changelog.gz
  COMMAND gzip -9n -c ${QUILLET_LINUX_DIR}/changelog > ${QUILLET_GENERATED}/changelog.gz
  DEPENDS ${QUILLET_LINUX_DIR}/changelog)
add_custom_target(quillet_desktop_files ALL
  DEPENDS ${QUILLET_GENERATED}/icons/256x256/apps/${QUILLET_APP_ID}.png ${QUILLET_GENERATED}/quillet.1.gz
          ${QUILLET_GENERATED}/changelog.gz)
install(DIRECTORY ${QUILLET_GENERATED}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${QUILLET_GENERATED}/${QUILLET_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${QUILLET_GENERATED}/quillet.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${QUILLET_LINUX_DIR}/copyright ${QUILLET_GENERATED}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quillet)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillet)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "DSC Quillet")
set(CPACK_PACKAGE_CONTACT "DSC Quillet maintainers <maintainers@dscquillet.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "training simulator of a marine VHF radio's DSC unit")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "DSC Quillet simulates the Digital Selective Calling unit of a marine VHF
radio for instructors and trainees preparing for marine radio operator
certificates. Each trainee runs one station: it sends and acknowledges DSC
calls, logs what it hears with flashing alarms, talks on a simulated VHF
channel with push-to-talk and plays recorded messages, alone on one PC or
with the stations of a classroom network.")
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The sound server the voice uses through Qt Multimedia.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
