# Installation layout, veriglyph-init, manual pages, shell completions and the
# Debian package. Included from the top-level CMakeLists.txt once the
# veriglyph target exists.
#
#   cmake --install build --prefix P     (DESTDIR works too)
#   cpack -G DEB                          (in the build folder)

include(GNUInstallDirs)

set(VERIGLYPH_DATA_DIR "${CMAKE_INSTALL_DATADIR}/veriglyph"
    CACHE STRING "Folder for the word list and cypher files, relative to the prefix")
set(VERIGLYPH_BASH_COMPLETION_DIR "${CMAKE_INSTALL_DATADIR}/bash-completion/completions"
    CACHE STRING "Folder for the bash completion, relative to the prefix")
set(VERIGLYPH_ZSH_COMPLETION_DIR "${CMAKE_INSTALL_DATADIR}/zsh/site-functions"
    CACHE STRING "Folder for the zsh completion, relative to the prefix")
set(VERIGLYPH_FISH_COMPLETION_DIR "${CMAKE_INSTALL_DATADIR}/fish/vendor_completions.d"
    CACHE STRING "Folder for the fish completion, relative to the prefix")
set(VERIGLYPH_PACKAGE_MAINTAINER "veriglyph maintainers <maintainers@veriglyph.invalid>"
    CACHE STRING "Maintainer field of the Debian package")

set(VERIGLYPH_WORDLIST_DIR "spellbook/DictionaryFiles/12dicts-6.0.2/International")

# veriglyph-init finds the data folder from its own location, so the
# installed tree can be moved or staged with DESTDIR. Only when the two
# folders are given as absolute paths does it need the absolute one.
if(IS_ABSOLUTE "${VERIGLYPH_DATA_DIR}")
  set(VERIGLYPH_INIT_DATA_FROM_BIN "${VERIGLYPH_DATA_DIR}")
elseif(IS_ABSOLUTE "${CMAKE_INSTALL_BINDIR}")
  set(VERIGLYPH_INIT_DATA_FROM_BIN "${CMAKE_INSTALL_PREFIX}/${VERIGLYPH_DATA_DIR}")
else()
  file(RELATIVE_PATH VERIGLYPH_INIT_DATA_FROM_BIN
       "${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}"
       "${CMAKE_INSTALL_PREFIX}/${VERIGLYPH_DATA_DIR}")
endif()

configure_file(tools/veriglyph-init.in veriglyph-init @ONLY)
configure_file(doc/veriglyph.1.in doc/veriglyph.1 @ONLY)
configure_file(doc/veriglyph-init.1.in doc/veriglyph-init.1 @ONLY)

# The package's copyright file: a short header, then the word list's notice.
file(READ "${PROJECT_SOURCE_DIR}/${VERIGLYPH_WORDLIST_DIR}/SCOWL-COPYRIGHT.txt"
     VERIGLYPH_SCOWL_NOTICE)
string(REGEX REPLACE "\n$" "" VERIGLYPH_SCOWL_NOTICE "${VERIGLYPH_SCOWL_NOTICE}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             "${PROJECT_SOURCE_DIR}/${VERIGLYPH_WORDLIST_DIR}/SCOWL-COPYRIGHT.txt")
configure_file(cmake/copyright.in copyright @ONLY)

install(TARGETS veriglyph RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
install(PROGRAMS "${PROJECT_BINARY_DIR}/veriglyph-init" DESTINATION "${CMAKE_INSTALL_BINDIR}")

install(FILES
        "${PROJECT_SOURCE_DIR}/${VERIGLYPH_WORDLIST_DIR}/5d+2a.txt"
        "${PROJECT_SOURCE_DIR}/${VERIGLYPH_WORDLIST_DIR}/README.md"
        "${PROJECT_SOURCE_DIR}/${VERIGLYPH_WORDLIST_DIR}/SCOWL-COPYRIGHT.txt"
        DESTINATION "${VERIGLYPH_DATA_DIR}/DictionaryFiles/12dicts-6.0.2/International")
# Own-cypher files: whatever spellbook/Cyphers/*.txt holds at install time;
# nothing when the folder does not exist.
install(DIRECTORY "${PROJECT_SOURCE_DIR}/spellbook/Cyphers/"
        DESTINATION "${VERIGLYPH_DATA_DIR}/Cyphers"
        OPTIONAL
        FILES_MATCHING PATTERN "*.txt")

install(FILES "${PROJECT_BINARY_DIR}/doc/veriglyph.1" "${PROJECT_BINARY_DIR}/doc/veriglyph-init.1"
        DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
install(FILES "${PROJECT_BINARY_DIR}/copyright" DESTINATION "${CMAKE_INSTALL_DOCDIR}")

install(FILES completions/veriglyph.bash
        DESTINATION "${VERIGLYPH_BASH_COMPLETION_DIR}" RENAME veriglyph)
install(FILES completions/_veriglyph DESTINATION "${VERIGLYPH_ZSH_COMPLETION_DIR}")
install(FILES completions/veriglyph.fish DESTINATION "${VERIGLYPH_FISH_COMPLETION_DIR}")
# Debian's zsh does not search share/zsh/site-functions below /usr, only
# share/zsh/vendor-completions; a relative link there makes the completion
# work from the package as well. Elsewhere the link is simply not searched.
if(VERIGLYPH_ZSH_COMPLETION_DIR STREQUAL "${CMAKE_INSTALL_DATADIR}/zsh/site-functions")
  file(MAKE_DIRECTORY "${PROJECT_BINARY_DIR}/zsh-vendor")
  file(CREATE_LINK ../site-functions/_veriglyph "${PROJECT_BINARY_DIR}/zsh-vendor/_veriglyph"
       SYMBOLIC)
  install(FILES "${PROJECT_BINARY_DIR}/zsh-vendor/_veriglyph"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/zsh/vendor-completions")
endif()

# Debian package: cpack -G DEB makes veriglyph_<version>_<arch>.deb.
set(CPACK_PACKAGE_NAME veriglyph)
set(CPACK_PACKAGE_VENDOR veriglyph)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "${VERIGLYPH_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "letter-value cipher arithmetic for words and phrases")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VERIGLYPH_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "veriglyph prints the totals of a word or phrase under 21 letter-value\n"
    "cyphers (English Ordinal, Reduced, Reverse, Sumerian, Jewish, Primes and\n"
    "others) with letter-by-letter breakdowns and digital roots. It searches a\n"
    "word list for words with given values, ranks the whole list against a\n"
    "phrase, writes text and cross-linked HTML reports, and keeps a spellbook\n"
    "of past phrases. veriglyph-init sets up a working folder with the shipped\n"
    "word list.")
include(CPack)

if(VERIGLYPH_TESTS)
  add_subdirectory(tests/install)
endif()
