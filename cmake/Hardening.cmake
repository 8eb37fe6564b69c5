# Linux builds are hardened as Debian hardens its packages (dpkg-buildflags with hardening=+all:
# fortified C library calls, stack protector, format checks, read-only relocations bound at start),
# so the .deb that `cpack` makes from an ordinary build is one Debian would ship. Fortification
# needs the optimiser, so Debug builds go without it; the sanitizer build brings checks of its own.
option(APP_HARDENING "Build with Debian's hardening flags on Linux" ON)
if(NOT APP_HARDENING OR APP_SANITIZE OR NOT CMAKE_SYSTEM_NAME STREQUAL "Linux"
   OR NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    return()
endif()

find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(DPKG_BUILDFLAGS)
    foreach(kind IN ITEMS CPPFLAGS CXXFLAGS LDFLAGS)
        execute_process(
            COMMAND "${CMAKE_COMMAND}" -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                "${DPKG_BUILDFLAGS}" --get ${kind}
            OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
        separate_arguments(flags UNIX_COMMAND "${flags}")
        # Optimisation, debug information and path mapping stay the build type's choice.
        list(FILTER flags EXCLUDE REGEX "^-(O|g|f(file|debug|macro)-prefix-map)")
        set(hardening_${kind} ${flags})
    endforeach()
else()
    # Without dpkg (another distribution), the same set as Debian 12 gives.
    set(hardening_CPPFLAGS -Wdate-time -D_FORTIFY_SOURCE=2)
    set(hardening_CXXFLAGS -fstack-protector-strong -Wformat -Werror=format-security)
    set(hardening_LDFLAGS -Wl,-z,relro -Wl,-z,now)
endif()
list(JOIN hardening_CPPFLAGS " " shown_optimised)
string(JOIN " " shown ${hardening_CXXFLAGS} ${hardening_LDFLAGS})
message(STATUS "Hardening: ${shown}; in optimised builds also ${shown_optimised}")
add_compile_options("$<$<NOT:$<CONFIG:Debug>>:${hardening_CPPFLAGS}>" ${hardening_CXXFLAGS})
add_link_options(${hardening_LDFLAGS})
