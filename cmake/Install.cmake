# Installation layout: the programs, the data folder veriglyph-init copies
# from, manual pages and shell completions; then the Debian package
# (DebianPackage.cmake). Included from the top-level CMakeLists.txt once the
# veriglyph target exists.
#
#   cmake --install build --prefix P     (DESTDIR works too; --strip strips)
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

set(VERIGLYPH_WORDLIST_DIR "spellbook/DictionaryFiles/12dicts-6.0.2/International")

find_program(VERIGLYPH_GZIP gzip)
if(NOT VERIGLYPH_GZIP)
  message(FATAL_ERROR "gzip is needed to compress the manual pages")
endif()

# veriglyph_gzip(FILE): FILE.gz beside FILE in the build tree, made by the
# default target. Compressed with -n (no name, no time stamp), so that the
# same source gives the same bytes.
function(veriglyph_gzip file)
  get_filename_component(name "${file}" NAME)
  get_filename_component(folder "${file}" DIRECTORY)
  add_custom_command(OUTPUT "${file}.gz"
                     COMMAND "${VERIGLYPH_GZIP}" -9nkf -- "${name}"
                     WORKING_DIRECTORY "${folder}"
                     DEPENDS "${file}"
                     VERBATIM)
  string(MAKE_C_IDENTIFIER "${name}" target)
  add_custom_target(veriglyph_gzip_${target} ALL DEPENDS "${file}.gz")
endfunction()

configure_file(doc/veriglyph.1.in doc/veriglyph.1 @ONLY)
configure_file(doc/veriglyph-init.1.in doc/veriglyph-init.1 @ONLY)
veriglyph_gzip("${PROJECT_BINARY_DIR}/doc/veriglyph.1")
veriglyph_gzip("${PROJECT_BINARY_DIR}/doc/veriglyph-init.1")

install(TARGETS veriglyph RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
# The web server that veriglyph --serve starts, where veriglyph looks for it
# (VERIGLYPH_SERVE_DIR, set with the program).
install(TARGETS veriglyph-serve RUNTIME DESTINATION "${VERIGLYPH_SERVE_DIR}")
# A stripped installation (cmake --install --strip, and the package) also
# drops the compilers' .comment and .note sections, which serve no one.
foreach(program veriglyph veriglyph-serve)
  if(program STREQUAL "veriglyph")
    set(folder "${CMAKE_INSTALL_BINDIR}")
  else()
    set(folder "${VERIGLYPH_SERVE_DIR}")
  endif()
  if(IS_ABSOLUTE "${folder}")
    set(installed "${folder}/$<TARGET_FILE_NAME:${program}>")
  else()
    set(installed "\${CMAKE_INSTALL_PREFIX}/${folder}/$<TARGET_FILE_NAME:${program}>")
  endif()
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP AND EXISTS \"${CMAKE_STRIP}\")
      execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                              \"\$ENV{DESTDIR}${installed}\" RESULT_VARIABLE failed)
      if(failed)
        message(FATAL_ERROR \"could not strip \$ENV{DESTDIR}${installed}\")
      endif()
    endif()")
endforeach()
# veriglyph-init, written at install time with the data folder in it.
configure_file(cmake/InstallInit.cmake.in InstallInit.cmake @ONLY)
install(SCRIPT "${PROJECT_BINARY_DIR}/InstallInit.cmake")

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

install(FILES "${PROJECT_BINARY_DIR}/doc/veriglyph.1.gz" "${PROJECT_BINARY_DIR}/doc/veriglyph-init.1.gz"
        DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")

# Completions for both programs, each named as its shell looks it up.
install(FILES completions/veriglyph.bash
        DESTINATION "${VERIGLYPH_BASH_COMPLETION_DIR}" RENAME veriglyph)
install(FILES completions/veriglyph-init.bash
        DESTINATION "${VERIGLYPH_BASH_COMPLETION_DIR}" RENAME veriglyph-init)
install(FILES completions/_veriglyph completions/_veriglyph-init
        DESTINATION "${VERIGLYPH_ZSH_COMPLETION_DIR}")
install(FILES completions/veriglyph.fish completions/veriglyph-init.fish
        DESTINATION "${VERIGLYPH_FISH_COMPLETION_DIR}")
# Debian's zsh does not search share/zsh/site-functions below /usr, only
# share/zsh/vendor-completions; relative links there make the completions
# work from the package as well. Elsewhere the links are simply not searched.
if(VERIGLYPH_ZSH_COMPLETION_DIR STREQUAL "${CMAKE_INSTALL_DATADIR}/zsh/site-functions")
  file(MAKE_DIRECTORY "${PROJECT_BINARY_DIR}/zsh-vendor")
  foreach(name _veriglyph _veriglyph-init)
    file(CREATE_LINK ../site-functions/${name} "${PROJECT_BINARY_DIR}/zsh-vendor/${name}" SYMBOLIC)
    install(FILES "${PROJECT_BINARY_DIR}/zsh-vendor/${name}"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/zsh/vendor-completions")
  endforeach()
endif()

include(cmake/DebianPackage.cmake)

if(VERIGLYPH_TESTS)
  add_subdirectory(tests/install)
endif()
