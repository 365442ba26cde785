# The Debian package: pretextor_<version>_<architecture>.deb, with Depends worked out from the binary's
# shared libraries plus the font and helper packages the windows need at run time.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pretextor)
set(CPACK_PACKAGE_VERSION ${PRETEXTOR_DISPLAY_VERSION})
set(CPACK_PACKAGE_VENDOR "VORN Software")
set(CPACK_PACKAGE_CONTACT "VORN Software <author@pretextor.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "random four-word technical excuses for the help desk")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
if(PRETEXTOR_DEBIAN_ARCH)
    # A cross build: the package is for the program's architecture, its Depends found among that
    # architecture's libraries, not the machine's.
    set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${PRETEXTOR_DEBIAN_ARCH})
endif()
# An amusement, installed where Debian keeps them: /usr/games.
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-liberation, fonts-ipafont-mincho, fonts-blankenburg, xdg-utils")
# Without it a Wayland desktop runs the program through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
# Debian wraps the extended description at under 80 columns.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Composes a random four-word technical excuse of the kind a help desk
 gives out, one word from each of four fixed word lists, with a slow
 progress-bar draw and an instant one.")
set(CPACK_STRIP_FILES ON)
# The package's dates: the build's source date unless the caller of cpack sets one.
configure_file(${CMAKE_CURRENT_LIST_DIR}/cpack_dates.cmake.in
               ${CMAKE_CURRENT_BINARY_DIR}/cpack_dates.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_BINARY_DIR}/cpack_dates.cmake)
include(CPack)
