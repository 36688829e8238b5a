# The Debian package: the documents it carries and how CPack makes it.

# Debian keeps manual pages and changelogs compressed, with no time stamp in the gzip header.
find_program(GZIP gzip REQUIRED)
function(vardelis_gzip source output)
    add_custom_command(OUTPUT ${output}
        COMMAND ${GZIP} -9 -n -c ${source} > ${output}
        DEPENDS ${source}
        VERBATIM)
endfunction()
# The manual pages and the changelog carry the project's version; the manual pages and the
# copyright file, the attribution of the data of the places, from the one file that holds it.
set(attribution ${PROJECT_SOURCE_DIR}/data/attribution.txt)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${attribution})
file(READ ${attribution} VARDELIS_PLACES_ATTRIBUTION)
string(STRIP "${VARDELIS_PLACES_ATTRIBUTION}" VARDELIS_PLACES_ATTRIBUTION)
# In a manual page a hyphen is "\-", and French typography's no-break space before ":" and ";" "\~".
string(REPLACE "-" "\\-" VARDELIS_PLACES_ATTRIBUTION_ROFF "${VARDELIS_PLACES_ATTRIBUTION}")
string(REPLACE " :" "\\~:" VARDELIS_PLACES_ATTRIBUTION_ROFF "${VARDELIS_PLACES_ATTRIBUTION_ROFF}")
string(REPLACE " ;" "\\~;" VARDELIS_PLACES_ATTRIBUTION_ROFF "${VARDELIS_PLACES_ATTRIBUTION_ROFF}")
set(pages ${CMAKE_CURRENT_BINARY_DIR}/pages)
configure_file(${PROJECT_SOURCE_DIR}/docs/man/vardelis.1.in ${pages}/man/vardelis.1 @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/docs/man/vardelis.fr.1.in ${pages}/man-fr/vardelis.1 @ONLY)
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/debian/copyright.in ${pages}/copyright @ONLY)
set(gzipped ${CMAKE_CURRENT_BINARY_DIR}/gzipped)
file(MAKE_DIRECTORY ${gzipped}/man ${gzipped}/man-fr)
vardelis_gzip(${pages}/man/vardelis.1 ${gzipped}/man/vardelis.1.gz)
vardelis_gzip(${pages}/man-fr/vardelis.1 ${gzipped}/man-fr/vardelis.1.gz)
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/debian/changelog.in ${pages}/changelog @ONLY)
vardelis_gzip(${pages}/changelog ${gzipped}/changelog.gz)
add_custom_target(vardelis_documents ALL DEPENDS
    ${gzipped}/man/vardelis.1.gz ${gzipped}/man-fr/vardelis.1.gz ${gzipped}/changelog.gz)

install(FILES ${gzipped}/man/vardelis.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${gzipped}/man-fr/vardelis.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/fr/man1)
install(FILES ${pages}/copyright ${gzipped}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vardelis)

set(CPACK_GENERATOR DEB)
# The folders cpack makes for the package get these modes, not the umask's.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
    GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# vardelis_<version>_<arch>.deb.sha256, in sha256sum's format.
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The libraries come from dpkg-shlibdeps; Qt loads its platform plugins at run time, so they are
# named here. The window's fixed layout is measured in Liberation Sans and its key in Comic Neue:
# other faces cut the labels, so both fonts are needed. Qt's French texts are welcome.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2, fonts-comic-neue")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
