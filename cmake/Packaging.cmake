# `cpack` in the build folder makes a .deb whose dependencies dpkg-shlibdeps reads off the binary;
# the plugins Qt loads at run time are named by hand, since no linker records them.
# Its copyright file, changelog and manual page are installed by resources/linux/CMakeLists.txt;
# lintian checks the result in the package test.
set(CPACK_PACKAGE_NAME "${APP_PACKAGE_NAME}")
set(CPACK_PACKAGE_VENDOR "${APP_COPYRIGHT_HOLDER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${APP_SUMMARY}")
set(CPACK_PACKAGE_DESCRIPTION "${APP_DESCRIPTION}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "${APP_MAINTAINER}")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_STRIP_FILES ON)

if(WIN32)
    # An NSIS installer, <package>-<version>-win64.exe, for the current user's Program Files: the
    # app, what cmake/windows/Deploy.cmake adds, a Start-menu shortcut named after the app and an
    # uninstaller, which leaves only the user's settings behind.
    include(cmake/windows/Deploy.cmake)
    set(CPACK_GENERATOR "NSIS")
    # Named here too for the scenarios: including CPack leaves its source package's name behind.
    set(APP_WINDOWS_INSTALLER "${APP_PACKAGE_NAME}-${PROJECT_VERSION}-win64")
    set(CPACK_PACKAGE_FILE_NAME "${APP_WINDOWS_INSTALLER}")
    set(CPACK_PACKAGE_INSTALL_DIRECTORY "${APP_NAME}")
    set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "${APP_ID}")
    set(CPACK_PACKAGE_EXECUTABLES "${APP_EXECUTABLE};${APP_NAME}")
    set(CPACK_NSIS_EXECUTABLES_DIRECTORY ".")
    set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
    set(CPACK_NSIS_PACKAGE_NAME "${APP_NAME}")
    set(CPACK_NSIS_DISPLAY_NAME "${APP_NAME}")
    set(CPACK_NSIS_MUI_ICON "${APP_WINDOWS_ICON}")
    set(CPACK_NSIS_MUI_UNIICON "${APP_WINDOWS_ICON}")
    set(CPACK_NSIS_INSTALLED_ICON_NAME "${APP_EXECUTABLE}.exe")
    set(CPACK_NSIS_URL_INFO_ABOUT "${APP_HOMEPAGE}")
    set(CPACK_NSIS_CONTACT "${APP_CONTACT}")
    set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
    set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
    # A 64-bit installer for a 64-bit app: it writes to the 64-bit Program Files and registry.
    set(CPACK_NSIS_DEFINES "Target amd64-unicode")
    include(CPack)
    return()
endif()

set(CPACK_GENERATOR "DEB")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE "${APP_BUILD_NUMBER}")
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Qt's own catalogues, so the standard dialogs speak the language the app chose.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-gtk-platformtheme, qt6-translations-l10n")

include(CPack)
