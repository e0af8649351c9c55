# The Debian package: `cpack -G DEB` in a Release build configured with the prefix /usr
# writes kelvane_<version>_<arch>.deb. scripts/package runs the whole route.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvane)
set(CPACK_PACKAGE_VENDOR "The Kelvane developers")
set(CPACK_PACKAGE_CONTACT
    "Kelvane maintainers <maintainers@users.noreply.c-seed-dc2ff638.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "wall calendars of rostered days off for shift workers")
set(CPACK_PACKAGE_DESCRIPTION
    "Kelvane prints one-page wall calendars of rostered days off (RDO days) for
shift workers: pick the rota your station works, the year and your group, and
the calendar shows your days off, holidays, pay days, personal entries and
week numbers. It also shows who is off on any date, prints one calendar per
group in a batch, keeps personal entries and monthly notes, prints an
annotated single month and exports a group's days off as an iCalendar file.
Every printout can also be written to PDF or PNG from the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/kelvane/kelvane")
# The libraries the program links come from dpkg-shlibdeps; the SQLite driver and the
# windowing plugins are loaded at run time, and the printouts are set in Liberation fonts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, libqt6sql6-sqlite, qt6-qpa-plugins")

include(CPack)
