# Installing and packaging: on Linux the program, its manual page and the
# Debian documents (a .deb from cpack); on Windows the executable, README
# and licence (a zip). Every artifact is reproducible: gzip keeps no name
# or time, and cpack dates everything at SOURCE_DATE_EPOCH, which defaults
# to the time of the last commit.
include(GNUInstallDirs)
set(CPACK_PACKAGE_NAME tag-counter)
set(CPACK_PACKAGE_VENDOR "tag_counter developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "count the tags in a page of tag-marked text")
set(CPACK_PACKAGE_CONTACT "tag_counter developers <maintainers@users.noreply.c-seed-de9c2f69.example>")
set(CPACK_STRIP_FILES ON)

if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${src}
    OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE failed)
  if(failed OR NOT epoch MATCHES "^[0-9]+$")
    set(epoch 0)	# not a git checkout: a fixed date all the same
  endif()
  set(SOURCE_DATE_EPOCH ${epoch})
else()
  set(SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
endif()
configure_file(${src}/cmake/cpack-options.cmake.in ${CMAKE_BINARY_DIR}/cpack-options.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/cpack-options.cmake)

if(WIN32)
  install(TARGETS tag_counter RUNTIME DESTINATION .)
  install(FILES README.md LICENSE DESTINATION .)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME windows-${CMAKE_SYSTEM_PROCESSOR})
  include(CPack)
  return()
endif()

set(docdir ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
find_program(GZIP gzip REQUIRED)
# gzip_file(SOURCE NAME): SOURCE compressed as NAME.gz in the build folder.
function(gzip_file source name)
  set(out ${CMAKE_BINARY_DIR}/${name})
  add_custom_command(OUTPUT ${out}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${out}
    COMMAND ${GZIP} -9nf ${out}
    DEPENDS ${source} VERBATIM)
  add_custom_target(gzip_${name} ALL DEPENDS ${out}.gz)
endfunction()
gzip_file(${src}/man/tag_counter.1 tag_counter.1)
gzip_file(${src}/packaging/changelog changelog)

# Debian's machine-readable copyright file, with the licence's terms.
file(READ ${src}/LICENSE licence)
set(holder "Copyright \\(c\\) ([0-9]+) ([^\n]*)")
string(REGEX MATCH "${holder}" line "${licence}")
set(year ${CMAKE_MATCH_1})
set(who ${CMAKE_MATCH_2})
string(REGEX REPLACE "^.*${holder}\n\n" "" terms "${licence}")
string(STRIP "${terms}" terms)
string(REPLACE "\n\n" "\n.\n" terms "${terms}")
string(REPLACE "\n" "\n " terms "${terms}")
file(WRITE ${CMAKE_BINARY_DIR}/copyright
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: tag_counter

Files: *
Copyright: ${year} ${who}
License: Expat
 ${terms}
")

install(TARGETS tag_counter RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_BINARY_DIR}/tag_counter.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/copyright ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${docdir})
install(FILES ${src}/examples/sum-reports.awk DESTINATION ${docdir}/examples)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PACKAGE_DESCRIPTION "tag_counter reads a block of text from standard input, up to the first
tab, takes the tag name after every '<' and prints each distinct name with
the number of times it occurs, in the order the names were first met.

It gives a quick, exact tally of the tags a page uses, from a shell or a
script, and the same report bytes on Linux and Windows.")
include(CPack)
