# The Debian package: its dependencies are read off the installed binary by dpkg-shlibdeps; the
# three it cannot see are named here (the toolkit loads its display plugin and its Russian
# translation at run time, and the windows ask for the DejaVu faces by name).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME soyka)
set(CPACK_PACKAGE_VENDOR "The Soyka developers")
set(CPACK_PACKAGE_CONTACT "The Soyka developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "classroom simulator of the training computer Soyka")
set(CPACK_PACKAGE_DESCRIPTION
    "A learner types a program into the eight 12-bit memory cells of a tiny training\n\
computer bit by bit, starts it, and watches it run continuously, command by\n\
command, or tact by tact with a commentary. Every text of the program is in\n\
Russian.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-dejavu-core")
include(CPack)
