# Everything the build derives from the identity (cmake/Identity.cmake): names for the package and
# the information dictionary, and a header that gives the sources the same values.
set(APP_PACKAGE_NAME "${APP_EXECUTABLE}")
set(APP_MAINTAINER "${APP_COPYRIGHT_HOLDER} <${APP_CONTACT}>")
# A holder that ends in a full stop ("Inc.") ends its sentence with it: never two.
string(REGEX REPLACE "\\.$" "" holder "${APP_COPYRIGHT_HOLDER}")
set(APP_COPYRIGHT "Copyright © ${APP_COPYRIGHT_YEAR} ${holder}. All rights reserved.")
set(APP_COPYRIGHT_DE "Copyright © ${APP_COPYRIGHT_YEAR} ${holder}. Alle Rechte vorbehalten.")

# A value as a C++, JSON or XML string's contents wants it.
function(app_quoted out value)
    string(REPLACE "\\" "\\\\" value "${value}")
    string(REPLACE "\"" "\\\"" value "${value}")
    string(REPLACE "\n" "\\n" value "${value}")
    set(${out} "${value}" PARENT_SCOPE)
endfunction()
function(app_xml_escaped out value)
    string(REPLACE "&" "&amp;" value "${value}")
    string(REPLACE "<" "&lt;" value "${value}")
    string(REPLACE ">" "&gt;" value "${value}")
    set(${out} "${value}" PARENT_SCOPE)
endfunction()

foreach(name IN ITEMS NAME EXECUTABLE ORGANIZATION ORGANIZATION_FOLDER ID VERSION BUILD_NUMBER
                      COPYRIGHT_HOLDER COPYRIGHT COPYRIGHT_DE)
    app_quoted(APP_${name}_QUOTED "${APP_${name}}")
endforeach()
foreach(name IN ITEMS NAME COPYRIGHT_HOLDER COPYRIGHT SUMMARY)
    app_xml_escaped(APP_${name}_XML "${APP_${name}}")
endforeach()
# The description's paragraphs as AppStream wants them.
app_xml_escaped(description "${APP_DESCRIPTION}")
string(REGEX REPLACE "\n\n+" "</p>\n    <p>" description "${description}")
set(APP_DESCRIPTION_XML "<p>${description}</p>")

configure_file("${CMAKE_CURRENT_LIST_DIR}/AppIdentity.h.in"
    "${CMAKE_BINARY_DIR}/generated/AppIdentity.h" @ONLY)
