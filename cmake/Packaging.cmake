# Installing like a desktop application (program, device simulator, desktop
# entry, hicolor icons, AppStream metadata, man pages) and the Debian package.
include(GNUInstallDirs)

set(KORVEL_APP_ID "io.korvel.SerialAssistant")
option(KORVEL_INSTALL_DEVSIM "Install the device simulator korvel-devsim as well" ON)

install(TARGETS KorvelSerialAssistant RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(KORVEL_INSTALL_DEVSIM)
    install(TARGETS korvel-devsim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

install(FILES data/linux/${KORVEL_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The AppStream metadata and the man pages name the project's version.
configure_file(data/linux/${KORVEL_APP_ID}.metainfo.xml.in
               ${KORVEL_VERSIONED_DOCS}/${KORVEL_APP_ID}.metainfo.xml @ONLY)
install(FILES ${KORVEL_VERSIONED_DOCS}/${KORVEL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The icon: the SVG as it is, and PNGs of the usual sizes rendered from it
# when the program is built.
install(FILES icons/${KORVEL_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
set(_korvel_icon_sizes 16 22 24 32 48 64 128 256)
set(_korvel_icon_dir "${CMAKE_CURRENT_BINARY_DIR}/icons/hicolor")
set(_korvel_icon_files "")
foreach(_size IN LISTS _korvel_icon_sizes)
    list(APPEND _korvel_icon_files "${_korvel_icon_dir}/${_size}x${_size}/apps/${KORVEL_APP_ID}.png")
endforeach()
add_custom_command(
    OUTPUT ${_korvel_icon_files}
    COMMAND korvel-iconrender "${CMAKE_CURRENT_SOURCE_DIR}/icons/${KORVEL_APP_ID}.svg"
            "${_korvel_icon_dir}" "${KORVEL_APP_ID}" ${_korvel_icon_sizes}
    DEPENDS korvel-iconrender "${CMAKE_CURRENT_SOURCE_DIR}/icons/${KORVEL_APP_ID}.svg"
    COMMENT "Rendering the application icon")
add_custom_target(korvel_icons ALL DEPENDS ${_korvel_icon_files})
install(DIRECTORY "${_korvel_icon_dir}" DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# Man pages, compressed as Debian installs them.
find_program(KORVEL_GZIP gzip)
set(_korvel_man_pages "")
foreach(_page KorvelSerialAssistant.1 korvel-devsim.1)
    if(_page STREQUAL "korvel-devsim.1" AND NOT KORVEL_INSTALL_DEVSIM)
        continue()
    endif()
    configure_file(docs/${_page}.in ${KORVEL_VERSIONED_DOCS}/${_page} @ONLY)
    set(_out "${CMAKE_CURRENT_BINARY_DIR}/man/${_page}.gz")
    add_custom_command(
        OUTPUT "${_out}"
        COMMAND ${CMAKE_COMMAND} -E make_directory "${CMAKE_CURRENT_BINARY_DIR}/man"
        COMMAND ${KORVEL_GZIP} -9 -n -c "${KORVEL_VERSIONED_DOCS}/${_page}" > "${_out}"
        DEPENDS "${KORVEL_VERSIONED_DOCS}/${_page}"
        VERBATIM)
    list(APPEND _korvel_man_pages "${_out}")
endforeach()
add_custom_target(korvel_man_pages ALL DEPENDS ${_korvel_man_pages})
install(FILES ${_korvel_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES docs/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/korvel-serial-assistant)

# The Debian package. The libraries it needs come from dpkg-shlibdeps over
# the binaries; the QML modules, which the program loads rather than links,
# from what its documents import (cmake/QmlRuntimeDepends.cmake).
include(${CMAKE_CURRENT_LIST_DIR}/QmlRuntimeDepends.cmake)
korvel_qml_runtime_packages(_korvel_qml_packages "${CMAKE_CURRENT_SOURCE_DIR}/qml")
# The interface's icons are SVG files, drawn through Qt's SVG image plugin.
korvel_owning_packages(_korvel_plugin_packages
    "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}/imageformats/libqsvg.so")
set(_korvel_runtime_packages ${_korvel_qml_packages} ${_korvel_plugin_packages})
list(REMOVE_DUPLICATES _korvel_runtime_packages)
string(REPLACE ";" ", " _korvel_qml_depends "${_korvel_runtime_packages}")

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "korvel-serial-assistant")
set(CPACK_PACKAGE_VENDOR "Korvel")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "Korvel <support@korvel.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "serial terminal for USB sensor devices")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "electronics")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://korvel.example")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${_korvel_qml_depends}")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "serial terminal for USB sensor devices
 Korvel Serial Assistant opens a serial port (any device path too), shows
 the received bytes as timestamped lines, as text or hex, and sends text or
 hex with an optional CRC-16/MODBUS. A library of device commands with
 parameters, user templates and timed batches fills the send box; the
 session is saved as text, CSV or a hex dump, or logged to a file per day.
 The window reconnects to a device that was unplugged and comes back.
 .
 The package also holds korvel-devsim, a simulated sensor on a
 pseudo-terminal for trying the program without a device.")
include(CPack)
