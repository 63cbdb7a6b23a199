# Where the tool's files go when installed: programs into bin, data under share, following the
# GNU layout, so an install under any prefix and an unpacked package are alike.
include(GNUInstallDirs)

find_program(VM280_GZIP gzip)

# An installed program finds the data the tool ships (share/vm280) through this path from its own
# folder, so any prefix works.
file(RELATIVE_PATH VM280_DATA_FROM_PROGRAM "${CMAKE_INSTALL_FULL_BINDIR}" "${CMAKE_INSTALL_FULL_DATADIR}")

# vm280_install_compressed(FILE DESTINATION): installs FILE of the current folder into
# DESTINATION as FILE.gz, compressed as Debian wants it (gzip -9n: no name, no time stamp);
# uncompressed where there is no gzip.
function(vm280_install_compressed file destination)
    set(source "${CMAKE_CURRENT_SOURCE_DIR}/${file}")
    if(NOT VM280_GZIP)
        install(FILES "${source}" DESTINATION "${destination}")
        return()
    endif()
    set(compressed "${CMAKE_CURRENT_BINARY_DIR}/${file}.gz")
    add_custom_command(OUTPUT "${compressed}"
        COMMAND "${VM280_GZIP}" -9nc "${source}" > "${compressed}"
        DEPENDS "${source}"
        COMMENT "Compressing ${file}")
    string(MAKE_C_IDENTIFIER "${CMAKE_CURRENT_SOURCE_DIR}/${file}" target)
    add_custom_target("gzip-${target}" ALL DEPENDS "${compressed}")
    install(FILES "${compressed}" DESTINATION "${destination}")
endfunction()

# vm280_install_man(PAGE): installs the man page PAGE (e.g. vm280-cli.1) into its section.
function(vm280_install_man page)
    string(REGEX MATCH "[0-9]$" section "${page}")
    vm280_install_compressed("${page}" "${CMAKE_INSTALL_MANDIR}/man${section}")
endfunction()
