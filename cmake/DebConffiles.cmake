# Run by CPack once the package's files are staged and before the .deb is
# built (CPACK_PRE_BUILD_SCRIPTS). Every file the package puts under /etc is a
# conffile, as Debian's own tools make it: dpkg then keeps an administrator's
# edits through upgrades and asks before replacing them. The list is written
# to the file named "conffiles" in CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA, and
# removed when there is nothing under /etc, since an empty list is no list.
set(conffiles ${CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA})
list(FILTER conffiles INCLUDE REGEX "/conffiles$")
if(NOT conffiles)
    message(FATAL_ERROR "CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA names no conffiles file")
endif()
file(GLOB_RECURSE etc_files LIST_DIRECTORIES false RELATIVE "${CPACK_TEMPORARY_DIRECTORY}"
     "${CPACK_TEMPORARY_DIRECTORY}/etc/*")
if(etc_files)
    list(SORT etc_files)
    list(TRANSFORM etc_files PREPEND "/")
    list(JOIN etc_files "\n" lines)
    file(WRITE ${conffiles} "${lines}\n")
else()
    file(REMOVE ${conffiles})
endif()
