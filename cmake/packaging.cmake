# Installation and the Debian package; the Windows zip and setup are in
# windows-package.cmake.
include(GNUInstallDirs)

if(WIN32)
  if(KESTRIN_GUI)
    include(${CMAKE_SOURCE_DIR}/cmake/windows-package.cmake)
  endif()
  return()
endif()

if(TARGET kestrin-configurator)
  install(TARGETS kestrin-configurator RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES packaging/kestrin-configurator.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES packaging/kestrin-configurator.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()
if(TARGET kestrin-cfg)
  install(TARGETS kestrin-cfg RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  # The manual page is the tool's own --help texts, so it cannot drift.
  set(manpage ${CMAKE_BINARY_DIR}/kestrin-cfg.1)
  add_custom_command(OUTPUT ${manpage}
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
            ${CMAKE_COMMAND} -DEXE=$<TARGET_FILE:kestrin-cfg> -DOUT=${manpage}
            -DVERSION=${PROJECT_VERSION} -P ${CMAKE_SOURCE_DIR}/cmake/manpage.cmake
    DEPENDS kestrin-cfg ${CMAKE_SOURCE_DIR}/cmake/manpage.cmake
    VERBATIM)
  add_custom_target(kestrin-cfg-manpage ALL DEPENDS ${manpage})
  install(FILES ${manpage} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

set(CPACK_PACKAGE_NAME kestrin-configurator)
set(CPACK_PACKAGE_VENDOR "Kamtor")
set(CPACK_PACKAGE_CONTACT "Kamtor <support@kamtor.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Configurator of the alarm panel ППКОП Кестрин 18кГц 8")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
if(KESTRIN_GUI)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6core6 (>= 6.2), libqt6gui6 (>= 6.2), libqt6widgets6 (>= 6.2), libqt6printsupport6 (>= 6.2), qt6-qpa-plugins, libc6, libstdc++6")
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6, libstdc++6")
endif()
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
include(CPack)
