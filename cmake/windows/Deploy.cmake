# What the Windows app needs beside its executable, installed with it and so packed by the
# installer: the Qt libraries it links, the plugins Qt loads at run time, the compiler's runtime,
# Qt's German catalogue and a qt.conf that tells Qt to find all of it beside the executable.
# Qt's deployment script refuses cross builds, so these are plain install rules.
set(APP_QT_MODULES Core Gui Widgets Network)
list(TRANSFORM APP_QT_MODULES PREPEND Qt6:: OUTPUT_VARIABLE modules)
install(IMPORTED_RUNTIME_ARTIFACTS ${modules} DESTINATION .)
# The platform plugin, and the style a Windows user expects (named so from Qt 6.7). Asked for by
# name: a Qt built from Debian's source does not bring its plugins' targets with its modules.
find_package(Qt6QWindowsIntegrationPlugin REQUIRED CONFIG HINTS "${Qt6Gui_DIR}")
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsIntegrationPlugin DESTINATION plugins/platforms)
foreach(style IN ITEMS QModernWindowsStylePlugin QWindowsVistaStylePlugin)
    find_package(Qt6${style} QUIET CONFIG HINTS "${Qt6Widgets_DIR}")
    if(TARGET Qt6::${style})
        install(IMPORTED_RUNTIME_ARTIFACTS Qt6::${style} DESTINATION plugins/styles)
        break()
    endif()
endforeach()

# MinGW's C++ runtime, as the compiler that built the app names it.
foreach(library IN ITEMS libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND "${CMAKE_CXX_COMPILER}" -print-file-name=${library}
        OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT EXISTS "${path}")
        message(FATAL_ERROR "The MinGW runtime ${library} is not where the compiler says: ${path}")
    endif()
    install(FILES "${path}" DESTINATION .)
endforeach()

# Qt's own texts (the standard dialogs' buttons) in the app's languages; the host Qt's catalogues,
# which are the same for every platform.
find_file(APP_QT_CATALOGUE_DE qtbase_de.qm
    PATHS /usr/share/qt6/translations "${QT6_INSTALL_PREFIX}/translations" NO_CMAKE_FIND_ROOT_PATH)
if(APP_QT_CATALOGUE_DE)
    install(FILES "${APP_QT_CATALOGUE_DE}" DESTINATION translations)
endif()

# Not beside the programs in the build folder, which take Qt from where it was built.
file(WRITE "${CMAKE_CURRENT_BINARY_DIR}/deploy/qt.conf" "[Paths]\nPrefix=.\n")
install(FILES "${CMAKE_CURRENT_BINARY_DIR}/deploy/qt.conf" DESTINATION .)
