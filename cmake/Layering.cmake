# The layering of the back end. Each subsystem (a folder: util, serial, …) is
# a static library korvel_<folder>, and a subsystem may use another only when
# its library links that one. CMake itself accepts a cycle between static
# libraries (it repeats them on the link line), so the rules are checked here:
#
#  - when CMake configures, the links between the subsystem libraries must
#    form no cycle (korvel_check_layering);
#  - when the build compiles a subsystem, each of its files may include only
#    headers of its own folder and of the subsystems its library links, and a
#    header only those it links PUBLIC, for whoever includes the header needs
#    them too; no file outside the QML module's library names a QML type
#    (cmake/CheckIncludes.cmake, run before the library compiles).

set(KORVEL_LAYERING_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/CheckIncludes.cmake)

# korvel_layering_register(<target> <folder> [QML_MODULE])
# Declares <target> the library of the subsystem in folder <folder> (relative
# to KORVEL_LAYERING_ROOT, by default the project's source folder). Its
# sources must lie in that folder. QML_MODULE: the library that backs the QML
# module, the only one allowed to register QML types.
function(korvel_layering_register target folder)
    cmake_parse_arguments(L "QML_MODULE" "" "" ${ARGN})
    set_property(GLOBAL APPEND PROPERTY KORVEL_LAYERING_TARGETS ${target})
    set_target_properties(${target} PROPERTIES
        KORVEL_LAYERING_FOLDER ${folder}
        KORVEL_LAYERING_QML_MODULE ${L_QML_MODULE})
endfunction()

# The subsystem libraries <target> links, PUBLIC or PRIVATE (or INTERFACE).
function(_korvel_layering_links target out_all out_public)
    get_property(registered GLOBAL PROPERTY KORVEL_LAYERING_TARGETS)
    get_target_property(private ${target} LINK_LIBRARIES)
    get_target_property(interface ${target} INTERFACE_LINK_LIBRARIES)
    set(all)
    set(public)
    foreach(item IN LISTS private interface)
        # A PRIVATE link of a static library reaches its users as
        # $<LINK_ONLY:…>: linked, but not a dependency of their headers.
        if(item MATCHES "^\\$<LINK_ONLY:(.+)>$")
            set(name ${CMAKE_MATCH_1})
            set(is_public FALSE)
        else()
            set(name ${item})
            list(FIND interface "${item}" in_interface)
            if(in_interface EQUAL -1)
                set(is_public FALSE)
            else()
                set(is_public TRUE)
            endif()
        endif()
        if(NOT name IN_LIST registered)
            continue()
        endif()
        list(APPEND all ${name})
        if(is_public)
            list(APPEND public ${name})
        endif()
    endforeach()
    list(REMOVE_DUPLICATES all)
    list(REMOVE_DUPLICATES public)
    set(${out_all} ${all} PARENT_SCOPE)
    set(${out_public} ${public} PARENT_SCOPE)
endfunction()

# Depth-first walk; <path> is the chain of libraries that led to <target>.
function(_korvel_layering_visit target path)
    list(FIND path ${target} seen_at)
    if(NOT seen_at EQUAL -1)
        list(SUBLIST path ${seen_at} -1 cycle)
        list(APPEND cycle ${target})
        list(JOIN cycle " -> " cycle_text)
        message(FATAL_ERROR "Layering cycle between the back-end libraries: ${cycle_text}. "
            "A subsystem may use only the ones below it; move what both need "
            "into the lower one.")
    endif()
    get_property(done GLOBAL PROPERTY _KORVEL_LAYERING_DONE_${target})
    if(done)
        return()
    endif()
    _korvel_layering_links(${target} links public)
    list(APPEND path ${target})
    foreach(dep IN LISTS links)
        _korvel_layering_visit(${dep} "${path}")
    endforeach()
    set_property(GLOBAL PROPERTY _KORVEL_LAYERING_DONE_${target} TRUE)
endfunction()

# Call once every subsystem library and its links are declared: fails the
# configure on a cycle and adds the include check to each library's build.
function(korvel_check_layering)
    if(NOT DEFINED KORVEL_LAYERING_ROOT)
        set(KORVEL_LAYERING_ROOT ${PROJECT_SOURCE_DIR})
    endif()
    get_property(registered GLOBAL PROPERTY KORVEL_LAYERING_TARGETS)
    foreach(target IN LISTS registered)
        _korvel_layering_visit(${target} "")
    endforeach()

    set(folders)
    foreach(target IN LISTS registered)
        get_target_property(folder ${target} KORVEL_LAYERING_FOLDER)
        list(APPEND folders ${folder})
    endforeach()

    foreach(target IN LISTS registered)
        get_target_property(folder ${target} KORVEL_LAYERING_FOLDER)
        get_target_property(qml_module ${target} KORVEL_LAYERING_QML_MODULE)
        get_target_property(source_dir ${target} SOURCE_DIR)
        _korvel_layering_links(${target} links public)
        set(allowed)
        set(allowed_public)
        foreach(dep IN LISTS links)
            get_target_property(dep_folder ${dep} KORVEL_LAYERING_FOLDER)
            list(APPEND allowed ${dep_folder})
            if(dep IN_LIST public)
                list(APPEND allowed_public ${dep_folder})
            endif()
        endforeach()
        # Generated headers (such as buildinfo.h) reach a subsystem through
        # the include folders of the korvel_* interface libraries it links.
        set(generated)
        get_target_property(direct ${target} LINK_LIBRARIES)
        foreach(dep IN LISTS direct)
            if(TARGET ${dep} AND dep MATCHES "^korvel_")
                get_target_property(type ${dep} TYPE)
                if(type STREQUAL "INTERFACE_LIBRARY")
                    get_target_property(dirs ${dep} INTERFACE_INCLUDE_DIRECTORIES)
                    list(APPEND generated ${dirs})
                endif()
            endif()
        endforeach()
        get_target_property(sources ${target} SOURCES)
        set(checked)
        foreach(src IN LISTS sources)
            if(src MATCHES "\\$<")
                continue()
            endif()
            get_filename_component(abs "${src}" ABSOLUTE BASE_DIR ${source_dir})
            # The files of the project, not those the build generates (the
            # build folder may lie inside the source folder, or hold the
            # sources of a throwaway test project).
            string(FIND "${abs}" "${KORVEL_LAYERING_ROOT}/" in_root)
            string(FIND "${abs}" "${CMAKE_BINARY_DIR}/" in_build)
            string(FIND "${KORVEL_LAYERING_ROOT}/" "${CMAKE_BINARY_DIR}/" root_in_build)
            if(NOT in_root EQUAL 0 OR (in_build EQUAL 0 AND NOT root_in_build EQUAL 0)
               OR NOT abs MATCHES "\\.(h|cpp)$")
                continue()
            endif()
            list(APPEND checked ${abs})
        endforeach()

        set(args ${CMAKE_BINARY_DIR}/layering/${target}.cmake)
        set(stamp ${CMAKE_BINARY_DIR}/layering/${target}.stamp)
        file(CONFIGURE OUTPUT ${args} CONTENT [[
set(TARGET "@target@")
set(FOLDER "@folder@")
set(ROOT "@KORVEL_LAYERING_ROOT@")
set(FOLDERS "@folders@")
set(ALLOWED "@allowed@")
set(ALLOWED_PUBLIC "@allowed_public@")
set(GENERATED "@generated@")
set(QML_MODULE "@qml_module@")
set(SOURCES "@checked@")
]] @ONLY)
        add_custom_command(OUTPUT ${stamp}
            COMMAND ${CMAKE_COMMAND} -DARGS=${args} -P ${KORVEL_LAYERING_SCRIPT}
            COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
            DEPENDS ${checked} ${args} ${KORVEL_LAYERING_SCRIPT}
            COMMENT "Checking the includes of ${target}"
            VERBATIM)
        add_custom_target(${target}_layering DEPENDS ${stamp})
        add_dependencies(${target} ${target}_layering)
    endforeach()
endfunction()
