# Where Korvane's files land on a Debian system, and the .deb that carries them.
# Included by the top-level CMakeLists.txt once the programs are defined.
include(GNUInstallDirs)


# Needed only to build korvane_install_data, which install and package ask
# for; running the program does not need them. They are looked up on PATH when
# that target is built, not when the folder is configured: `make run`
# configures build-release before `make install` brings these tools, and a
# path not found then would stay in the build rules for good.
set(RSVG_CONVERT rsvg-convert)
set(HELP2MAN help2man)
set(GZIP gzip)
set(PYTHON3 python3)

install(TARGETS korvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET korvane-calc)
    install(TARGETS korvane-calc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# The menu entry and the AppStream data speak every language the window does:
# the build puts in the translations of the .ts files, so each text is
# written once, in English in resources/ and translated beside the window's.
set(korvane_data ${PROJECT_BINARY_DIR}/data)
function(korvane_translated_file kind template file)
    set(tools ${PROJECT_SOURCE_DIR}/tools)
    add_custom_command(OUTPUT ${korvane_data}/${file}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${korvane_data}
        COMMAND ${PYTHON3} ${tools}/desktop_translations.py ${kind}
                ${template} ${korvane_data}/${file} ${KORVANE_TS_FILES}
        DEPENDS ${template} ${KORVANE_TS_FILES}
                ${tools}/desktop_translations.py ${tools}/ts_texts.py
        VERBATIM)
endfunction()
korvane_translated_file(desktop ${PROJECT_SOURCE_DIR}/resources/${KORVANE_APP_ID}.desktop.in
                        ${KORVANE_APP_ID}.desktop)
# The release entry takes the project's version, so the two cannot disagree.
configure_file(${PROJECT_SOURCE_DIR}/resources/${KORVANE_APP_ID}.metainfo.xml.in
               ${PROJECT_BINARY_DIR}/${KORVANE_APP_ID}.metainfo.xml.in @ONLY)
korvane_translated_file(metainfo ${PROJECT_BINARY_DIR}/${KORVANE_APP_ID}.metainfo.xml.in
                        ${KORVANE_APP_ID}.metainfo.xml)
set(korvane_desktop_files ${korvane_data}/${KORVANE_APP_ID}.desktop
                          ${korvane_data}/${KORVANE_APP_ID}.metainfo.xml)
install(FILES ${korvane_data}/${KORVANE_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${korvane_data}/${KORVANE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Every bitmap size a desktop may ask for is drawn from the one SVG, so the
# sizes never go out of step with it. The SVG itself serves any other size.
set(korvane_svg ${PROJECT_SOURCE_DIR}/resources/korvane.svg)
set(korvane_icons)
foreach(size 16 22 24 32 48 64 128 256)
    set(korvane_png ${korvane_data}/icons/${size}x${size}/${KORVANE_APP_ID}.png)
    add_custom_command(OUTPUT ${korvane_png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${korvane_data}/icons/${size}x${size}
        COMMAND ${RSVG_CONVERT} --width ${size} --height ${size}
                --output ${korvane_png} ${korvane_svg}
        DEPENDS ${korvane_svg}
        VERBATIM)
    list(APPEND korvane_icons ${korvane_png})
    install(FILES ${korvane_png}
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${korvane_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${KORVANE_APP_ID}.svg)

# Manual pages go out compressed, as Debian's do; -n leaves the time out of
# the gzip header, so the same page always gives the same bytes. korvane-calc's
# page is made from its own --help and --version, so it always tells what the
# built program does; doc/korvane-calc.h2m adds what --help does not say.
set(korvane_man ${korvane_data}/man)
add_custom_command(OUTPUT ${korvane_man}/korvane.1.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${korvane_man}
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/doc/korvane.1 ${korvane_man}/korvane.1
    COMMAND ${GZIP} -9 -n -f ${korvane_man}/korvane.1
    DEPENDS ${PROJECT_SOURCE_DIR}/doc/korvane.1
    VERBATIM)
set(korvane_man_pages ${korvane_man}/korvane.1.gz)
if(TARGET korvane-calc)
    add_custom_command(OUTPUT ${korvane_man}/korvane-calc.1.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${korvane_man}
        COMMAND ${HELP2MAN} --no-info --name "compute the sulphite addition for a wine"
                --include ${PROJECT_SOURCE_DIR}/doc/korvane-calc.h2m
                --output ${korvane_man}/korvane-calc.1 $<TARGET_FILE:korvane-calc>
        COMMAND ${GZIP} -9 -n -f ${korvane_man}/korvane-calc.1
        DEPENDS korvane-calc ${PROJECT_SOURCE_DIR}/doc/korvane-calc.h2m
        VERBATIM)
    list(APPEND korvane_man_pages ${korvane_man}/korvane-calc.1.gz)
endif()
install(FILES ${korvane_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# What Debian asks of every package: the licence in its machine-readable
# copyright file, whose terms and holder are read from LICENSE, and the
# version history, compressed as the manual pages are.
set(korvane_doc ${korvane_data}/doc)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)
file(READ ${PROJECT_SOURCE_DIR}/LICENSE korvane_licence)
if(NOT korvane_licence MATCHES "\nCopyright \\(c\\) ([^\n]+)\n\n(.*[^\n])\n*$")
    message(FATAL_ERROR
            "LICENSE lacks its 'Copyright (c) <year> <holder>' line or the terms after it")
endif()
set(korvane_copyright "${CMAKE_MATCH_1}")
# Each line of the terms indented by a space, an empty line written " .".
string(REPLACE "\n\n" "\n.\n" korvane_licence_terms " ${CMAKE_MATCH_2}")
string(REPLACE "\n" "\n " korvane_licence_terms "${korvane_licence_terms}")
configure_file(${PROJECT_SOURCE_DIR}/doc/copyright.in ${korvane_doc}/copyright @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/doc/changelog.in ${korvane_doc}/changelog @ONLY)
add_custom_command(OUTPUT ${korvane_doc}/changelog.gz
    COMMAND ${GZIP} -9 -n -k -f ${korvane_doc}/changelog
    DEPENDS ${korvane_doc}/changelog
    VERBATIM)
install(FILES ${korvane_doc}/copyright ${korvane_doc}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/korvane)

# The administrator's preset: the built-in defaults as settings.cfg, made by
# the program's own code, so it is the file the Default Settings dialog
# saves. Where it goes is decided while installing (InstallPreset.cmake).
add_executable(korvane_write_preset EXCLUDE_FROM_ALL ${PROJECT_SOURCE_DIR}/cmake/write_preset.cpp)
target_link_libraries(korvane_write_preset PRIVATE korvane_core)
set(korvane_preset ${korvane_data}/settings.cfg)
add_custom_command(OUTPUT ${korvane_preset}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${korvane_data}
    COMMAND korvane_write_preset ${korvane_preset}
    DEPENDS korvane_write_preset
    VERBATIM)
install(CODE "set(korvane_preset \"${korvane_preset}\")
    set(korvane_sysconfdir \"${CMAKE_INSTALL_SYSCONFDIR}\")
    include(\"${PROJECT_SOURCE_DIR}/cmake/InstallPreset.cmake\")")

# Built before installing or packaging (make install, make package); not part
# of every build, which would ask for the drawing, manual-page and translation
# tools.
add_custom_target(korvane_install_data
    DEPENDS ${korvane_desktop_files} ${korvane_icons} ${korvane_man_pages}
            ${korvane_doc}/changelog.gz ${korvane_preset})

# The Debian package. Its dependencies are read from the programs' own
# libraries by dpkg-shlibdeps. The menu, icon and manual page caches are
# refreshed by the triggers of the packages that own them, so the package
# needs no scripts of its own.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "${KORVANE_AUTHOR}")
set(CPACK_PACKAGE_CONTACT "${KORVANE_AUTHOR} <${KORVANE_SUPPORT_ADDRESS}>")
set(CPACK_PACKAGE_HOMEPAGE_URL ${KORVANE_WEB_SITE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "SO2 (sulphite) calculator for winemakers")
# CPack puts the summary above this as the package's first line.
set(CPACK_PACKAGE_DESCRIPTION
    "Korvane works out how much sulphite a wine needs. From the wine's pH,
the free SO2 measured, the batch size and a target given as free or as
molecular SO2, it computes the SO2 to add and the potassium or sodium
metabisulphite that delivers it: as a number of tablets, as grams and
teaspoons of powder, or as millilitres and teaspoons of a stock solution.

The package holds the desktop program, korvane, and its command-line
companion, korvane-calc.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# A package is for running, not debugging; the build folder keeps the symbols.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What no library link shows: the windows are laid out on Liberation Sans's
# metrics (any other face clips captions), and Qt's own translations give its
# buttons the window's language. dpkg-shlibdeps adds the libraries to these.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation | fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# Whatever the package puts under /etc is a conffile: cmake/DebConffiles.cmake
# lists it here when the files are staged.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_BINARY_DIR}/deb/conffiles)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/DebConffiles.cmake)
include(CPack)
