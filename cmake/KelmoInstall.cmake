# Installation as a Linux program and the Debian package made by CPack.
#   bin/                          Kelmo, kelmo-cli
#   lib/kelmotimes/               kelmo-chart.so, the chart picture that kelmo-cli loads
#   share/kelmotimes/             the sounds and the help page (found from bin/../share/kelmotimes),
#                                 the translations of the windows in translations/
#   share/applications/          the launcher, share/metainfo/ the AppStream metainfo
#   share/icons/hicolor/          the application icon, rendered from the program's own drawing
#   share/man/man1/               the manual pages: Kelmo's written, kelmo-cli's made by help2man
#                                 from the program's own --help
#   share/bash-completion/        the completion of kelmo-cli's commands, options and places
#   share/doc/kelmotimes/         the copyright file and the changelog
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
install(TARGETS kelmo_chart_module LIBRARY DESTINATION ${KELMO_MODULE_DIR}
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)  # loaded, not run
install(FILES ${KELMO_HELP_PAGES} data/Athan.wav data/PreAth.wav
        DESTINATION ${CMAKE_INSTALL_DATADIR}/kelmotimes)
install(FILES ${KELMO_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/kelmotimes/translations)
install(FILES data/linux/${KELMO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/linux/${KELMO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${KELMO_ICON_DIR}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# Manual pages and the changelog are installed compressed (gzip -9n, no name or time stored),
# as Debian asks. kelmo-cli's page is made from a copy of the program in a folder without
# Kelmo.cfg and with a neutral home, so that its help names no file of the building machine.
find_program(KELMO_HELP2MAN help2man REQUIRED)
find_program(KELMO_GZIP gzip REQUIRED)
set(KELMO_DOC_DIR ${CMAKE_CURRENT_BINARY_DIR}/doc)
set(KELMO_MAN_PAGES ${KELMO_DOC_DIR}/Kelmo.1.gz ${KELMO_DOC_DIR}/kelmo-cli.1.gz)
add_custom_command(OUTPUT ${KELMO_DOC_DIR}/kelmo-cli.1.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${KELMO_DOC_DIR}/help
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:kelmo-cli> ${KELMO_DOC_DIR}/help/kelmo-cli
    COMMAND ${CMAKE_COMMAND} -E env --unset=XDG_CONFIG_HOME HOME=~ ASAN_OPTIONS=detect_leaks=0
            ${KELMO_HELP2MAN} --no-info --section=1
            "--name=Islamic prayer times, Moon, Hijri calendar and Qibla in the terminal"
            --include=${CMAKE_CURRENT_SOURCE_DIR}/data/linux/kelmo-cli.h2m
            --output=${KELMO_DOC_DIR}/kelmo-cli.1 ${KELMO_DOC_DIR}/help/kelmo-cli
    COMMAND ${KELMO_GZIP} -9nf ${KELMO_DOC_DIR}/kelmo-cli.1
    DEPENDS kelmo-cli data/linux/kelmo-cli.h2m
    COMMENT "Writing the manual page of kelmo-cli" VERBATIM)
foreach(source IN ITEMS Kelmo.1 changelog)
    add_custom_command(OUTPUT ${KELMO_DOC_DIR}/${source}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/data/linux/${source}
                ${KELMO_DOC_DIR}/${source}
        COMMAND ${KELMO_GZIP} -9nf ${KELMO_DOC_DIR}/${source}
        DEPENDS data/linux/${source} VERBATIM)
endforeach()
add_custom_target(kelmo_docs ALL DEPENDS ${KELMO_MAN_PAGES} ${KELMO_DOC_DIR}/changelog.gz)
install(FILES ${KELMO_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES data/linux/kelmo-cli.bash-completion RENAME kelmo-cli
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
install(FILES data/linux/copyright ${KELMO_DOC_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kelmotimes)

# cpack -G DEB: the shared libraries' packages come from dpkg-shlibdeps; the platform plugin
# for X11/Wayland, a sound backend and xdg-open are loaded or started at run time.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelmotimes)
set(CPACK_PACKAGE_VENDOR "KelmoTimes")
set(CPACK_PACKAGE_CONTACT "KelmoTimes maintainers <kelmotimes@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Islamic prayer times, Qibla, Moon and Hijri calendar")
# Lines of the extended description stay within 80 characters.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "KelmoTimes computes prayer times from real astronomy for a chosen place,\n"
    "decides the Hijri date from the visibility of the crescent, gives the Qibla\n"
    "and Moon data, and runs in the background to announce each prayer.\n"
    "It includes the terminal tool kelmo-cli.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://github.com/kelmotimes/KelmoTimes")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Programs and the module are installed stripped; their debug symbols are not shipped.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-wayland")
include(CPack)
