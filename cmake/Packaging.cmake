# The Debian package: cpack -G DEB in the build folder makes zendral_<version>-1_<arch>.deb
# from the install rules of cmake/Install.cmake, installed under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zendral)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Zendral developers")
set(CPACK_PACKAGE_CONTACT "The Zendral developers <developers@zendral.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "card game for two, built outward from the nines")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Only what the install rules name goes in; a folder of its own per run keeps runs apart.
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Zendral is the traditional layout game for two seats: a deck of 36 cards is
dealt out completely, the holder of the nine of diamonds opens, and the seats
lay cards in turn onto a layout in which every suit grows from its nine up to
the ace and down to the six.
.
Play against the computer or another copy of the program on the network, keep
club lists and a history of every session, and play online through
zendral-server, the club server that comes with the game (accounts, results,
world tables, chat, tournament relay; SQLite on one machine, PostgreSQL for
several behind a load balancer).")

# The libraries the programs link are found by dpkg-shlibdeps, with the versions they need.
# The list below is the same by name, for a machine without it.
find_program(ZENDRAL_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(ZENDRAL_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(zendral_deb_libraries)
else()
  set(zendral_deb_libraries
      libc6 libstdc++6 libgcc-s1 libqt6core6 libqt6gui6 libqt6widgets6 libqt6network6
      libqt6multimedia6 libfluidsynth3 libcurl4 libgif7)
  list(APPEND zendral_deb_libraries libqt6httpserver6 libqt6sql6 libqt6websockets6 libsodium23)
endif()
# What the programs load or use by name rather than link: the SQL drivers of the server, the
# font the program names, the General MIDI sounds of the menu song; adduser for the server's
# system user.
set(zendral_deb_depends ${zendral_deb_libraries}
    fonts-comic-neue "timgm6mb-soundfont | sf2-soundfont-gm" adduser)
list(APPEND zendral_deb_depends libqt6sql6-sqlite)
list(JOIN zendral_deb_depends ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
# Chinese, Japanese and Korean texts; the server's PostgreSQL driver; the Wayland platform.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, libqt6sql6-psql, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "postgresql, nginx | haproxy")

set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${CMAKE_SOURCE_DIR}/packaging/debian/postinst
    ${CMAKE_SOURCE_DIR}/packaging/debian/prerm
    ${CMAKE_SOURCE_DIR}/packaging/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
