# Installation and the Debian package.
include(GNUInstallDirs)

install(TARGETS velmora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES packaging/org.velmora.velmora.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The metainfo carries the release version, from project(VERSION).
set(VELMORA_METAINFO ${PROJECT_BINARY_DIR}/org.velmora.velmora.metainfo.xml)
configure_file(packaging/org.velmora.velmora.metainfo.xml.in ${VELMORA_METAINFO} @ONLY)
install(FILES ${VELMORA_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY assets/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
# The program's licence and the deep-sky data's, as Debian wants them named.
install(FILES packaging/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/velmora)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR "Velmora developers")
set(CPACK_PACKAGE_CONTACT "Velmora developers <dev@velmora.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so invisible to the library scan: the X11 platform
# plugin, the faces that stand in for Georgia and Arial, and the zone
# database local times are read from.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation, tzdata")
set(CPACK_STRIP_FILES ON)
include(CPack)
