# `cpack` in the build folder makes vardelis_<version>_<arch>.deb from the install rules.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vardelis)
set(CPACK_PACKAGE_VENDOR "l'équipe Vardelis")
set(CPACK_PACKAGE_CONTACT "l'équipe Vardelis <contact@vardelis.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calcul de la clé du numéro de sécurité sociale")
set(CPACK_PACKAGE_DESCRIPTION
    "Vardelis calcule la clé (de 1 à 97) du numéro de sécurité sociale français\n\
à partir de ses six parties, dans une petite fenêtre.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://vardelis.example/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The libraries come from dpkg-shlibdeps; Qt loads its platform plugins at run time, so they are
# named here. The window's fixed layout is measured in Liberation Sans and its key in Comic Neue:
# other faces cut the labels, so both fonts are needed. Qt's French texts are welcome.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2, fonts-comic-neue")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
