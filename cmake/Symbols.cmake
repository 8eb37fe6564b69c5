# app_add_symbols(<target> <resource name> PREFIX <prefix> FILES <svg>...)
# Embeds symbols under <prefix>/<name>.svg, drawn at run time by QtSvg. A Qt without QtSvg (the Qt
# built here for Windows: Debian serves no qtsvg source) gets pictures instead, rendered now with
# rsvg-convert at every size a symbol is drawn at on screens of 100 % to 200 %, under
# <prefix>/<name>/<size>.png; a symbol drawn in currentColor becomes a mask, tinted when drawn
# (<prefix>/<name>/mask/<size>.png).
option(APP_SYMBOL_PICTURES "Draw symbols from pictures made at build time, even with QtSvg" OFF)
if(NOT TARGET Qt6::Svg)
    set(APP_SYMBOL_PICTURES ON)
endif()
if(APP_SYMBOL_PICTURES)
    find_program(RSVG_CONVERT rsvg-convert REQUIRED)
    message(STATUS "Symbols: pictures made with ${RSVG_CONVERT}")
else()
    message(STATUS "Symbols: drawn by QtSvg")
endif()
# 16, 24 and 32 px at 100 %, 125 %, 150 % and 200 %, and the application icon's larger sizes.
set(APP_SYMBOL_SIZES 16 20 24 30 32 36 40 48 64 96 128 256)

function(app_add_symbols target name)
    cmake_parse_arguments(ARG "" "PREFIX" "FILES" ${ARGN})
    if(NOT APP_SYMBOL_PICTURES)
        foreach(svg IN LISTS ARG_FILES)
            get_filename_component(file "${svg}" NAME)
            set_source_files_properties("${svg}" PROPERTIES QT_RESOURCE_ALIAS "${file}")
        endforeach()
        qt_add_resources(${target} "${name}" PREFIX "${ARG_PREFIX}" FILES ${ARG_FILES})
        return()
    endif()
    set(pictures)
    foreach(svg IN LISTS ARG_FILES)
        get_filename_component(source "${svg}" ABSOLUTE)
        get_filename_component(symbol "${svg}" NAME_WLE)
        file(READ "${source}" text)
        set(folder "${symbol}")
        if(text MATCHES "currentColor")
            set(folder "${symbol}/mask")
        endif()
        foreach(size IN LISTS APP_SYMBOL_SIZES)
            set(png "${CMAKE_CURRENT_BINARY_DIR}/${name}/${folder}/${size}.png")
            add_custom_command(OUTPUT "${png}"
                COMMAND "${RSVG_CONVERT}" --keep-aspect-ratio -w ${size} -h ${size} -o "${png}"
                    "${source}"
                DEPENDS "${source}" VERBATIM)
            set_source_files_properties("${png}" PROPERTIES QT_RESOURCE_ALIAS "${folder}/${size}.png")
            list(APPEND pictures "${png}")
        endforeach()
        file(MAKE_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}/${name}/${folder}")
    endforeach()
    qt_add_resources(${target} "${name}" PREFIX "${ARG_PREFIX}" FILES ${pictures})
endfunction()
