# Checks that the folders of src depend one way: a file includes headers of its own folder and
# of the folders below it only. Run as: cmake -DSOURCE_DIR=<src> -P includelayers.cmake
#
#   image <- editor, link, radio <- serial, interchange, sheet, planreport <- ui <- dialogs <- app
#
# The command line and the simulated radio stand on the core only, never on a widget.

cmake_minimum_required(VERSION 3.21)

set(below_image "")
set(below_editor image)
set(below_link image)
set(below_radio image)
set(below_serial link image)
set(below_interchange editor image)
set(below_sheet editor image)
set(below_planreport editor image)
set(below_cli editor link serial interchange sheet planreport image)
set(below_ui editor image)
set(below_dialogs ui editor link serial interchange image)
set(below_app dialogs ui editor link serial interchange sheet image)

if(NOT IS_DIRECTORY "${SOURCE_DIR}")
    message(FATAL_ERROR "no source folder: SOURCE_DIR=${SOURCE_DIR}")
endif()

set(faults "")
set(checked 0)
file(GLOB folders LIST_DIRECTORIES true RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*")
foreach(folder IN LISTS folders)
    if(NOT IS_DIRECTORY "${SOURCE_DIR}/${folder}")
        continue()
    endif()
    if(NOT DEFINED below_${folder})
        list(APPEND faults "src/${folder} has no place among the layers (add it to ${CMAKE_CURRENT_LIST_FILE})")
        continue()
    endif()
    math(EXPR checked "${checked} + 1")
    list(JOIN below_${folder} ", " allowed)
    file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
    foreach(source IN LISTS sources)
        file(STRINGS "${SOURCE_DIR}/${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"/]+/")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^[^\"]*\"([^\"/]+)/.*$" "\\1" used "${line}")
            if(NOT used STREQUAL folder AND NOT used IN_LIST below_${folder})
                list(APPEND faults "src/${source}: ${line} (src/${folder} may include: ${allowed})")
            endif()
        endforeach()
    endforeach()
endforeach()

if(faults)
    list(JOIN faults "\n" text)
    message(FATAL_ERROR "Includes against the layers:\n${text}")
endif()
message(STATUS "${checked} folders, every include points down or within its folder")
