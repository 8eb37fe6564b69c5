# Says how many texts of the sources a catalogue has no finished translation for, as lrelease
# counts them, without touching the catalogue: lupdate brings a copy up to date first.
# cmake -DLUPDATE=... -DLRELEASE=... -DTS=<catalogue> -DSOURCES=<list file> -DREPORT=<file> -P ...
get_filename_component(work "${REPORT}" DIRECTORY)
get_filename_component(name "${TS}" NAME)
file(MAKE_DIRECTORY "${work}")
file(COPY_FILE "${TS}" "${work}/${name}")
execute_process(COMMAND "${LUPDATE}" -silent -locations none -no-obsolete "@${SOURCES}"
    -ts "${work}/${name}" RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "lupdate could not read the sources into ${name}")
endif()
execute_process(COMMAND "${LRELEASE}" "${work}/${name}" -qm "${work}/${name}.qm"
    OUTPUT_VARIABLE counts ERROR_VARIABLE counts RESULT_VARIABLE failed)
# "Generated 95 translation(s) (93 finished and 2 unfinished)", "Ignored 3 untranslated source
# text(s)": an unfinished one and an untranslated one are both shown as written.
set(unfinished 0)
if(counts MATCHES "([0-9]+) unfinished")
    math(EXPR unfinished "${unfinished} + ${CMAKE_MATCH_1}")
endif()
if(counts MATCHES "Ignored ([0-9]+) untranslated")
    math(EXPR unfinished "${unfinished} + ${CMAKE_MATCH_1}")
endif()
string(REGEX REPLACE "^app_|\\.ts$" "" language "${name}")
set(line "${name}: ${unfinished} texts unfinished (shown as written) in '${language}'")
if(unfinished GREATER 0)
    string(APPEND line "; finish them (README, Languages) or drop the language: "
        "scripts/make-it-yours --drop-language ${language}")
endif()
message(STATUS "${line}")
file(WRITE "${REPORT}" "${line}\n")
