# The Debian package, made by `cpack -G DEB` from the install rules;
# scripts/package configures a Release build under /usr and runs it.
set(CPACK_PACKAGE_NAME trimbol)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "команда Тримбол <trimbol@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "three-dimensional noughts and crosses for two to four players")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Тримбол is noughts and crosses on a 3 x 3 x 3 board, shown as three flat\n"
    "layers side by side. A row or a column of one layer, or a pillar through\n"
    "the three layers, wins. Two to four sides play (crosses, noughts,\n"
    "squiggles and spirals), each by a person or by the computer at one of\n"
    "three strengths. The game is in Russian; it animates the moves and plays\n"
    "sounds and two tunes of its own.")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # trimbol_5.2-1_amd64.deb
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from dpkg-shlibdeps. Qt finds its platform plugin and
# the MIDI synthesiser its soundfont only at run time, so those are named;
# so are Qt's own catalogs, which Qt's words in the player's language need.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, timgm6mb-soundfont | sf2-soundfont-gm, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

# Debian also wants two files of its own in the package's doc folder: the
# copyright in its machine-readable form, and a changelog.
set(debian_docs "${CMAKE_BINARY_DIR}/debian-docs")
execute_process(
  COMMAND "${CMAKE_COMMAND}" -E env LC_ALL=C date -u -R -d "${TRIMBOL_RELEASE_DATE} 12:00"
  OUTPUT_VARIABLE TRIMBOL_RELEASE_TIME OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
configure_file("${PROJECT_SOURCE_DIR}/data/debian/changelog.in" "${debian_docs}/changelog.Debian" @ONLY)
execute_process(COMMAND gzip -9nf changelog.Debian WORKING_DIRECTORY "${debian_docs}" COMMAND_ERROR_IS_FATAL ANY)
configure_file("${PROJECT_SOURCE_DIR}/data/debian/copyright" "${debian_docs}/copyright" COPYONLY)
set(CPACK_INSTALLED_DIRECTORIES "${debian_docs};usr/share/doc/${CPACK_PACKAGE_NAME}")

include(CPack)
