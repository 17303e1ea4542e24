# cmake -DCASE=<name> -DFIXTURE=<dir> -DWORK=<dir> -DLAYERING=<Layering.cmake>
#       -DGENERATOR=<generator> -P layering-case.cmake
# Configures and builds the throwaway project FIXTURE in the arrangement CASE
# and checks that the layering check lets the sound one through and stops
# each broken one at the step and with the message the table says.
cmake_minimum_required(VERSION 3.25)

# case | step that fails (none, configure, build) | what the error says
set(table
    "sound|none|"
    "cycle|configure|Layering cycle between the back-end libraries: korvel_lower -> korvel_upper -> korvel_lower"
    "undeclared_include|build|lower/lower.cpp includes \"upper/upper.h\", but korvel_lower does not link korvel_upper"
    "private_link_in_header|build|upper/upper.h includes \"lower/lower.h\" in a header, but korvel_upper links korvel_lower PRIVATE"
    "bare_include_of_other_folder|build|lower/lower.cpp includes \"upper.h\", which is neither in lower/ nor a header generated for korvel_lower"
    "qml_type_outside_module|build|lower/lower.h declares a QML type"
    "source_in_other_folder|build|upper/stray.cpp is built into korvel_lower but lies outside lower/")

set(row)
foreach(entry IN LISTS table)
    if(entry MATCHES "^${CASE}\\|")
        set(row ${entry})
    endif()
endforeach()
if(NOT row)
    message(FATAL_ERROR "no case ${CASE} in the table")
endif()
string(REGEX MATCH "^[^|]*\\|([^|]*)\\|(.*)$" _ "${row}")
set(failing_step ${CMAKE_MATCH_1})
set(expected ${CMAKE_MATCH_2})

set(dir ${WORK}/${CASE})
file(REMOVE_RECURSE ${dir})

function(run step)
    if(step STREQUAL "configure")
        set(command ${CMAKE_COMMAND} -S ${FIXTURE} -B ${dir} -G ${GENERATOR} -DCASE=${CASE}
                    -DKORVEL_LAYERING_CMAKE=${LAYERING})
    else()
        set(command ${CMAKE_COMMAND} --build ${dir})
    endif()
    execute_process(COMMAND ${command} RESULT_VARIABLE result OUTPUT_VARIABLE out
                    ERROR_VARIABLE out TIMEOUT 120)
    # The message wraps at the terminal's width; compare it as one line.
    string(REGEX REPLACE "[ \t\r\n]+" " " flat "${out}")
    if(step STREQUAL failing_step)
        if(result EQUAL 0)
            message(FATAL_ERROR "${CASE}: the ${step} succeeded, but it must fail:\n${out}")
        endif()
        string(FIND "${flat}" "${expected}" at)
        if(at EQUAL -1)
            message(FATAL_ERROR "${CASE}: the ${step} failed without saying\n  ${expected}\n${out}")
        endif()
        message(STATUS "${CASE}: the ${step} fails as it must: ${expected}")
        set(stop TRUE PARENT_SCOPE)
    elseif(NOT result EQUAL 0)
        message(FATAL_ERROR "${CASE}: the ${step} failed:\n${out}")
    endif()
endfunction()

set(stop FALSE)
run(configure)
if(NOT stop)
    run(build)
endif()
if(NOT stop AND NOT failing_step STREQUAL "none")
    message(FATAL_ERROR "${CASE}: nothing failed, but the ${failing_step} must")
endif()
file(REMOVE_RECURSE ${dir})
