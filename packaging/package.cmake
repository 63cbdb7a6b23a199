# make package: a Debian package "vm280" with the installed files under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vm280)
set(CPACK_PACKAGE_VENDOR "The VM-280 tool developers")
set(CPACK_PACKAGE_CONTACT "The VM-280 tool developers <vm280@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming tool for the VM-280 handheld radio")
set(CPACK_PACKAGE_DESCRIPTION
    "Reads the memory of a VM-280 16-channel handheld two-way radio through\n"
    "its serial programming cable, edits the channel table (frequencies,\n"
    "CTCSS/DCS tones, power, bandwidth, scan, transmit forbid) and the radio's\n"
    "function settings, writes the memory back and keeps channel plans as code\n"
    "plan files (.DAT).\n"
    "\n"
    "The package holds the window (vm280), the command line tool (vm280-cli)\n"
    "that shows, exports and imports plans as JSON or CHIRP CSV and reads and\n"
    "writes a radio, and a simulated radio on a pseudo-terminal (vm280-radio).")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/vm280/vm280")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Traditional Chinese is converted with the system's OpenCC dictionaries, and Qt's own dialogs
# speak Chinese with Qt's translations: data, not libraries the programs link.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libopencc-data, qt6-translations-l10n")

include(CPack)
