# Installation as a Linux program and the Debian package made by CPack.
#   bin/                          Kelmo, kelmo-cli
#   lib/kelmotimes/               kelmo-chart.so, the chart picture that kelmo-cli loads
#   share/kelmotimes/             the sounds and the help page (found from bin/../share/kelmotimes)
#   share/applications/          the launcher, share/metainfo/ the AppStream metainfo
#   share/icons/hicolor/          the application icon, rendered from the program's own drawing
include(GNUInstallDirs)
set(KELMO_APP_ID io.github.kelmotimes.KelmoTimes)

# The icon tool renders the icon the windows show into the hicolor folders of the build tree
# (in sanitizer builds without the leak report, which would fail the build for Qt's caches).
add_executable(kelmo_render_icons tools/render_icons.cpp)
target_link_libraries(kelmo_render_icons PRIVATE kelmo_ui Qt6::Svg)
set(KELMO_ICON_DIR ${CMAKE_CURRENT_BINARY_DIR}/icons)
set(KELMO_ICON_STAMP ${KELMO_ICON_DIR}/hicolor/scalable/apps/${KELMO_APP_ID}.svg)
add_custom_command(OUTPUT ${KELMO_ICON_STAMP}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:kelmo_render_icons> ${KELMO_ICON_DIR}
    DEPENDS kelmo_render_icons
    COMMENT "Rendering the application icon")
add_custom_target(kelmo_icons ALL DEPENDS ${KELMO_ICON_STAMP})

install(TARGETS Kelmo kelmo-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS kelmo_chart_module LIBRARY DESTINATION ${KELMO_MODULE_DIR})
install(FILES data/Kelmo.html data/Athan.wav data/PreAth.wav
        DESTINATION ${CMAKE_INSTALL_DATADIR}/kelmotimes)
install(FILES data/linux/${KELMO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/linux/${KELMO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${KELMO_ICON_DIR}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# cpack -G DEB: the shared libraries' packages come from dpkg-shlibdeps; the platform plugin
# for X11/Wayland, a sound backend and xdg-open are loaded or started at run time.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelmotimes)
set(CPACK_PACKAGE_VENDOR "KelmoTimes")
set(CPACK_PACKAGE_CONTACT "KelmoTimes maintainers <kelmotimes@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Islamic prayer times, Qibla, Moon and Hijri calendar")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "KelmoTimes computes prayer times from real astronomy for a chosen place, decides the Hijri "
    "date from the visibility of the crescent, gives the Qibla and Moon data, and runs in the "
    "background to announce each prayer. It includes the terminal tool kelmo-cli.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://github.com/kelmotimes/KelmoTimes")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-wayland")
include(CPack)
