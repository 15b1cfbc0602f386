# The Debian package of the installed game: `cpack -G DEB` in the build folder (scripts/package).
set(CPACK_PACKAGE_NAME veltrane)
set(CPACK_PACKAGE_CONTACT ${VELTRANE_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "3D shooting game up a walled corridor")
set(CPACK_PACKAGE_DESCRIPTION "Your craft flies up a scrolling corridor between two walls under a sky, shoots
the enemies that enter in waves, fights a boss and reaches the staff roll.
It plays with the keyboard or a game controller, in a window or full screen.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from what the executable links; the tunes need the SoundFont.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS timgm6mb-soundfont)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
