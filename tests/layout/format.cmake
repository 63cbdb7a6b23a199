# Checks that every C++ source keeps the committed .clang-format, so that no change has to
# carry someone else's reformatting. Run as:
#   cmake -DPROJECT_DIR=<root> -DCLANG_FORMAT=<program> -P format.cmake

cmake_minimum_required(VERSION 3.21)

file(GLOB_RECURSE sources RELATIVE "${PROJECT_DIR}"
     "${PROJECT_DIR}/src/*.cpp" "${PROJECT_DIR}/src/*.h"
     "${PROJECT_DIR}/tests/*.cpp" "${PROJECT_DIR}/tests/*.h"
     "${PROJECT_DIR}/bench/*.cpp" "${PROJECT_DIR}/bench/*.h"
     "${PROJECT_DIR}/fuzz/*.cpp" "${PROJECT_DIR}/fuzz/*.h")
list(LENGTH sources count)
if(count EQUAL 0)
    message(FATAL_ERROR "no sources under ${PROJECT_DIR}")
endif()

execute_process(COMMAND "${CLANG_FORMAT}" --dry-run --Werror ${sources}
                WORKING_DIRECTORY "${PROJECT_DIR}"
                RESULT_VARIABLE result
                ERROR_VARIABLE complaints)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${complaints}\nFormat the files above: clang-format -i FILE")
endif()
message(STATUS "${count} files keep the format")
