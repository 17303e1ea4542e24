# cmake -DARGS=<file> -P CheckIncludes.cmake
# Checks the files of one subsystem library against the layering (see
# Layering.cmake, which writes ARGS): every include of a project header names
# the library's own folder or one it links, a header's only one it links
# PUBLIC; a bare name is a file of the same folder or a generated header the
# library is given; outside the QML module no file names a QML type.
cmake_minimum_required(VERSION 3.25)
include(${ARGS})

set(problems)
foreach(file IN LISTS SOURCES)
    file(RELATIVE_PATH rel ${ROOT} ${file})
    if(NOT rel MATCHES "^${FOLDER}/")
        list(APPEND problems "${rel} is built into ${TARGET} but lies outside ${FOLDER}/")
    endif()
    get_filename_component(dir ${file} DIRECTORY)
    set(is_header FALSE)
    if(file MATCHES "\\.h$")
        set(is_header TRUE)
    endif()

    file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<][^\">]+[\">]")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*([\"<])([^\">]+)[\">].*$" "\\1;\\2"
               parsed "${line}")
        list(GET parsed 0 quote)
        list(GET parsed 1 header)
        if(header MATCHES "^([^/]+)/")
            set(first ${CMAKE_MATCH_1})
            if(NOT first IN_LIST FOLDERS)
                # Qt's <QtQml/…> and the like; a quoted path into another
                # folder of the project is no subsystem a library may use.
                if(quote STREQUAL "\"" AND IS_DIRECTORY ${ROOT}/${first})
                    list(APPEND problems
                         "${rel} includes \"${header}\": ${first}/ is not a back-end subsystem")
                endif()
            elseif(first STREQUAL FOLDER)
                # Its own folder.
            elseif(NOT first IN_LIST ALLOWED)
                list(APPEND problems
                     "${rel} includes \"${header}\", but ${TARGET} does not link korvel_${first}")
            elseif(is_header AND NOT first IN_LIST ALLOWED_PUBLIC)
                list(APPEND problems
                     "${rel} includes \"${header}\" in a header, but ${TARGET} links korvel_${first} PRIVATE")
            endif()
        elseif(quote STREQUAL "\"")
            set(found FALSE)
            foreach(candidate IN LISTS dir GENERATED)
                if(EXISTS ${candidate}/${header})
                    set(found TRUE)
                    break()
                endif()
            endforeach()
            if(NOT found)
                list(APPEND problems
                     "${rel} includes \"${header}\", which is neither in ${FOLDER}/ nor a header generated for ${TARGET}")
            endif()
        endif()
    endforeach()

    if(NOT QML_MODULE)
        file(STRINGS ${file} qml REGEX "^[ \t]*QML_[A-Z_]+[ \t]*(\\(|$)")
        if(qml)
            list(APPEND problems
                 "${rel} declares a QML type, but only the QML module's library registers types (declare it there with QML_FOREIGN)")
        endif()
    endif()
endforeach()

if(problems)
    list(JOIN problems "\n  " text)
    message(FATAL_ERROR "Layering of the back end broken:\n  ${text}")
endif()
