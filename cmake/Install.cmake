# Where an installed Zendral puts its files (cmake --install, and the packages made from it):
#   bin/                       zendral, zendral-cli, zendral-server
#   lib/zendral/               the audio module zendral-audio.so (LIBDIR/zendral)
#   share/zendral/             the club files and the settings file as shipped, and the help
#                              page; the program copies the club files and the settings file
#                              into the player's own folder on its first start
#   share/applications/, share/metainfo/, share/icons/hicolor/
#                              the desktop's menu entry, the software centre's entry, the icon
#   share/man/man6/, man8/     the manual pages
#   lib/systemd/system/        the club server's unit (its own user, data in /var/lib)
include(GNUInstallDirs)

set(ZENDRAL_APP_ID org.zendral.Zendral)
set(ZENDRAL_RELEASE_DATE 2026-12-10)
set(ZENDRAL_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/zendral)
set(ZENDRAL_ICON_SIZES 16 24 32 48 64 128 256)
set(zendral_packaging_out ${CMAKE_BINARY_DIR}/packaging)

# ---- The programs.
foreach(program zendral zendral-cli zendral-server)
  install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()

# ---- The audio module, which the program opens at its first sound (lib/zendral/); without it
# the program runs silent.
install(TARGETS zendral_audio_module LIBRARY DESTINATION ${ZENDRAL_AUDIO_MODULE_INSTALL_DIR})

# ---- The shipped files: the club files and the settings file the build generates fresh (those
# beside the executables may hold a developer's own results and choices), and the help page.
install(FILES ${CMAKE_BINARY_DIR}/shipped/Zendral.clb ${CMAKE_BINARY_DIR}/shipped/Zendral.net
              ${CMAKE_BINARY_DIR}/shipped/Zendral.ini ${CMAKE_SOURCE_DIR}/res/help/Zendral.html
        DESTINATION ${ZENDRAL_SHARE_DIR})

# ---- The icon: drawn once as SVG, rendered at the theme's sizes at build time.
add_subdirectory(${CMAKE_SOURCE_DIR}/packaging/iconrender ${zendral_packaging_out}/iconrender)
set(zendral_icon_svg ${CMAKE_SOURCE_DIR}/packaging/icons/zendral.svg)
set(zendral_icon_pngs)
foreach(size ${ZENDRAL_ICON_SIZES})
  list(APPEND zendral_icon_pngs ${zendral_packaging_out}/icons/${size}x${size}/apps/zendral.png)
endforeach()
add_custom_command(
  OUTPUT ${zendral_icon_pngs}
  COMMAND zendral-iconrender ${zendral_icon_svg} ${zendral_packaging_out}/icons ${ZENDRAL_ICON_SIZES}
  DEPENDS zendral-iconrender ${zendral_icon_svg}
  COMMENT "The program's icon in the hicolor sizes"
  VERBATIM)

# ---- The manual pages, compressed as Debian keeps them.
set(zendral_man_pages zendral.6 zendral-cli.6)
list(APPEND zendral_man_pages zendral-server.8)
set(zendral_man_gz)
foreach(page ${zendral_man_pages})
  configure_file(${CMAKE_SOURCE_DIR}/packaging/man/${page} ${zendral_packaging_out}/man/${page} @ONLY)
  add_custom_command(
    OUTPUT ${zendral_packaging_out}/man/${page}.gz
    COMMAND gzip -9 -n -c ${zendral_packaging_out}/man/${page} > ${zendral_packaging_out}/man/${page}.gz
    DEPENDS ${zendral_packaging_out}/man/${page}
    VERBATIM)
  list(APPEND zendral_man_gz ${zendral_packaging_out}/man/${page}.gz)
  string(REGEX MATCH "[0-9]$" section ${page})
  install(FILES ${zendral_packaging_out}/man/${page}.gz
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
endforeach()

add_custom_target(zendral_desktop_files ALL DEPENDS ${zendral_icon_pngs} ${zendral_man_gz})

foreach(size ${ZENDRAL_ICON_SIZES})
  install(FILES ${zendral_packaging_out}/icons/${size}x${size}/apps/zendral.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${zendral_icon_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# ---- The menu entry and the software centre's description.
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${ZENDRAL_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${CMAKE_SOURCE_DIR}/packaging/${ZENDRAL_APP_ID}.metainfo.xml
               ${zendral_packaging_out}/${ZENDRAL_APP_ID}.metainfo.xml @ONLY)
install(FILES ${zendral_packaging_out}/${ZENDRAL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zendral)

# ---- The club server's unit. Its ExecStart names the server where this install puts it, so
# the unit is written at install time, when the prefix is known (cpack installs into /usr).
install(CODE "
  set(unit_dir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/lib/systemd/system\")
  set(ZENDRAL_UNIT_BINDIR \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  message(STATUS \"Installing: \${unit_dir}/zendral-server.service\")
  configure_file(\"${CMAKE_SOURCE_DIR}/packaging/zendral-server.service.in\"
                 \"\${unit_dir}/zendral-server.service\" @ONLY)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${unit_dir}/zendral-server.service\")
")
