# The Debian package, made by cpack -G DEB in the build folder as
# veriglyph_<version>-<release>_<arch>.deb, the two files Debian policy asks
# of every package (/usr/share/doc/veriglyph/copyright and
# changelog.Debian.gz) and the lintian overrides, each with its reason.
# Included from Install.cmake.

set(VERIGLYPH_PACKAGE_MAINTAINER "veriglyph maintainers <maintainers@veriglyph.invalid>"
    CACHE STRING "Maintainer field of the Debian package")
# The package's own revision of a veriglyph version: raise it for a new
# package of the same version, and put it back to 1 with a new version. Each
# package version needs its entry on top of cmake/changelog.Debian.in (the
# installation tests check it is there).
set(VERIGLYPH_PACKAGE_RELEASE 1)
set(VERIGLYPH_PACKAGE_VERSION "${PROJECT_VERSION}-${VERIGLYPH_PACKAGE_RELEASE}")

# The copyright file, in the machine-readable format: the word list's notice
# goes in as the text of its licence, one blank before each line and " ."
# for an empty one.
file(READ "${PROJECT_SOURCE_DIR}/${VERIGLYPH_WORDLIST_DIR}/SCOWL-COPYRIGHT.txt"
     VERIGLYPH_SCOWL_NOTICE)
string(REGEX REPLACE "\n$" "" VERIGLYPH_SCOWL_NOTICE "${VERIGLYPH_SCOWL_NOTICE}")
string(REPLACE "\n" "\n " VERIGLYPH_SCOWL_NOTICE " ${VERIGLYPH_SCOWL_NOTICE}")
string(REGEX REPLACE "\n \n" "\n .\n" VERIGLYPH_SCOWL_NOTICE "${VERIGLYPH_SCOWL_NOTICE}")
# Twice, for the empty lines that follow one another.
string(REGEX REPLACE "\n \n" "\n .\n" VERIGLYPH_SCOWL_NOTICE "${VERIGLYPH_SCOWL_NOTICE}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             "${PROJECT_SOURCE_DIR}/${VERIGLYPH_WORDLIST_DIR}/SCOWL-COPYRIGHT.txt")
configure_file(cmake/copyright.in copyright @ONLY)
configure_file(cmake/changelog.Debian.in doc/changelog.Debian COPYONLY)
veriglyph_gzip("${PROJECT_BINARY_DIR}/doc/changelog.Debian")
install(FILES "${PROJECT_BINARY_DIR}/copyright" "${PROJECT_BINARY_DIR}/doc/changelog.Debian.gz"
        DESTINATION "${CMAKE_INSTALL_DOCDIR}")
install(FILES cmake/lintian-overrides DESTINATION "${CMAKE_INSTALL_DATADIR}/lintian/overrides"
        RENAME veriglyph)

set(CPACK_PACKAGE_NAME veriglyph)
set(CPACK_PACKAGE_VENDOR veriglyph)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "${VERIGLYPH_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "letter-value cipher arithmetic for words and phrases")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE "${VERIGLYPH_PACKAGE_RELEASE}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VERIGLYPH_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# bash loads completions from share/bash-completion/ only through it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS bash-completion)
string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "veriglyph prints the totals of a word or phrase under 21 letter-value\n"
    "cyphers (English Ordinal, Reduced, Reverse, Sumerian, Jewish, Primes and\n"
    "others) with letter-by-letter breakdowns and digital roots. It searches a\n"
    "word list for words with given values, ranks the whole list against a\n"
    "phrase, writes text and cross-linked HTML reports, and keeps a spellbook\n"
    "of past phrases. veriglyph-init sets up a working folder, or a data home\n"
    "for use from any folder, with the shipped word list.")
include(CPack)
