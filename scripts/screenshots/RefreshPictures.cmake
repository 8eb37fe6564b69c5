# The README's pictures, each replaced by the gallery's picture of the same name: a name that starts
# with "wayland-" comes from weston's gallery, every other from icewm's. A picture is chosen for the
# README by adding its file to docs/screenshots.
file(GLOB pictures "${DOCS}/*.png")
foreach(picture IN LISTS pictures)
    get_filename_component(name "${picture}" NAME)
    if(name MATCHES "^wayland-(.*)")
        set(shot "${SHOTS}/desktop-weston/screenshots/${CMAKE_MATCH_1}")
    else()
        set(shot "${SHOTS}/desktop-icewm/screenshots/${name}")
    endif()
    if(EXISTS "${shot}")
        file(COPY_FILE "${shot}" "${picture}")
    else()
        message(WARNING "the gallery took no ${name}")
    endif()
endforeach()
