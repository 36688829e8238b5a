# The Windows installer (NSIS, in French, from our own script template), whose staged files
# scripts/windows-release/build also makes the portable archive (ZIP) and the MSI from. All hold
# vardelis.exe, LISEZMOI.txt and the folder "licences": the licences of Vardelis
# and of everything linked into vardelis.exe (Qt's LGPL-3 and the GPL-3 it builds on, the
# mingw-w64 runtime, GCC's runtime library), and AVIS.txt, the French notice that lists each
# component with its version, licence and copyright lines, names the sources of the release with
# their SHA-256 and says how to relink the program.
# LISEZMOI.txt says how to start and remove the copy it comes with: the zip's is a folder to
# delete, the installer's is removed from "Applications et fonctionnalités".
set(VARDELIS_START "Lancer le programme : double-cliquez sur vardelis.exe. Il n'a besoin de rien
d'autre et n'écrit rien sur l'ordinateur ; on peut le copier où l'on veut, sur
une clé USB par exemple.")
set(VARDELIS_REMOVAL "Le retirer : supprimez simplement le dossier.")
configure_file(${PROJECT_SOURCE_DIR}/resources/windows/LISEZMOI.txt.in
    ${PROJECT_BINARY_DIR}/generated/zip/LISEZMOI.txt @ONLY)
set(VARDELIS_START "Lancer le programme : choisissez Vardelis dans le menu Démarrer. Il n'écrit
rien sur l'ordinateur.")
set(VARDELIS_REMOVAL "Le désinstaller : Paramètres, Applications, Applications et fonctionnalités,
Vardelis, Désinstaller (ou « Programmes et fonctionnalités » du Panneau de
configuration).")
configure_file(${PROJECT_SOURCE_DIR}/resources/windows/LISEZMOI.txt.in
    ${PROJECT_BINARY_DIR}/generated/installer/LISEZMOI.txt @ONLY)
# cpack stages the installer's files; an install of its own (cmake --install) is a folder, as the
# zip's.
install(CODE "
    if(VARDELIS_PACKAGE STREQUAL NSIS)
        set(copy installer)
    else()
        set(copy zip)
    endif()
    file(COPY_FILE \"${PROJECT_BINARY_DIR}/generated/\${copy}/LISEZMOI.txt\"
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/LISEZMOI.txt\")
")

set(licences ${PROJECT_BINARY_DIR}/licences)
set(notice_data ${QT6_INSTALL_PREFIX}/vardelis-notice)
# The sources published with the release (scripts/windows-release/build puts them there first):
# the notice names each with its SHA-256.
set(VARDELIS_RELEASE_SOURCES "" CACHE PATH "The folder of the release's source files")
set(release_sources)
if(VARDELIS_RELEASE_SOURCES)
    file(GLOB release_sources "${VARDELIS_RELEASE_SOURCES}/*")
endif()
add_custom_command(OUTPUT ${licences}/AVIS.txt
    COMMAND ${CMAKE_COMMAND} -E make_directory ${licences}
    COMMAND ${PROJECT_SOURCE_DIR}/scripts/windows-release/notice ${VARDELIS_LINK_MAP}
        ${QT6_INSTALL_PREFIX} ${PROJECT_BINARY_DIR} ${Qt6_VERSION} "${VARDELIS_RELEASE_SOURCES}" ${licences}/AVIS.txt
    DEPENDS vardelis ${PROJECT_SOURCE_DIR}/scripts/windows-release/notice ${release_sources}
    VERBATIM)
add_custom_target(vardelis_licence_notice ALL DEPENDS ${licences}/AVIS.txt)
install(FILES ${licences}/AVIS.txt DESTINATION licences)
# Debian's copies of the licence texts, and the copyright files of its mingw-w64 packages, which
# give the licence and copyright of each part of the runtime they link in.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION licences RENAME LICENCE-Vardelis.txt)
install(FILES /usr/share/common-licenses/LGPL-3 DESTINATION licences RENAME LGPL-3.0.txt)
install(FILES /usr/share/common-licenses/GPL-3 DESTINATION licences RENAME GPL-3.0.txt)
install(FILES /usr/share/doc/mingw-w64-common/copyright DESTINATION licences RENAME mingw-w64.txt)
install(FILES /usr/share/doc/gcc-mingw-w64-base/copyright
    DESTINATION licences RENAME gcc-runtime.txt)

# The installer's licence page: the MIT licence of Vardelis in French, then in English, and that Qt
# is used under the LGPL-3. The page wraps its lines itself: each paragraph is made one line.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE MIT_LICENCE)
configure_file(${CMAKE_CURRENT_LIST_DIR}/licence-page.txt.in
    ${PROJECT_BINARY_DIR}/generated/licence-page-wrapped.txt @ONLY)
file(READ ${PROJECT_BINARY_DIR}/generated/licence-page-wrapped.txt licence_page)
string(REGEX REPLACE "([^\n])\n([^\n])" "\\1 \\2" licence_page "${licence_page}")
file(WRITE ${PROJECT_BINARY_DIR}/generated/licence-page.txt "${licence_page}")

# What the install rules put in the installed folder, each file or folder once: the installer sets
# them aside for an upgrade and removes them at uninstall (FOR_EACH_PART in NSIS.template.in),
# the programs among them are signed, and check-parts.cmake stops the package build when cpack
# stages anything else.
set(VARDELIS_WINDOWS_PARTS vardelis.exe vardelis.com LISEZMOI.txt licences)
set(CPACK_VARDELIS_WINDOWS_PARTS "${VARDELIS_WINDOWS_PARTS}")
set(CPACK_VARDELIS_FOR_EACH_PART "")
foreach(part IN LISTS VARDELIS_WINDOWS_PARTS)
    string(APPEND CPACK_VARDELIS_FOR_EACH_PART "    !insertmacro EACH_PART ${part}\n")
endforeach()

set(CPACK_GENERATOR NSIS)
set(CPACK_PACKAGE_FILE_NAME "vardelis-${PROJECT_VERSION}-win64-setup")
set(CPACK_CUSTOM_INSTALL_VARIABLES "VARDELIS_PACKAGE=NSIS")
set(CPACK_PACKAGE_NAME_DISPLAYED Vardelis)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Vardelis)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Vardelis)
# The MSI's UpgradeCode never changes: by it, a newer MSI finds an older one, and the installer
# finds Vardelis deployed by MSI.
set(CPACK_VARDELIS_MSI_UPGRADE_CODE 8C5F2A43-6E1B-4D8A-9F27-3B0C7E91D5A6)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_BINARY_DIR}/generated/licence-page.txt)
set(CPACK_NSIS_MUI_ICON ${VARDELIS_ICON})
set(CPACK_NSIS_MUI_UNIICON ${VARDELIS_ICON})
set(CPACK_MODULE_PATH ${CMAKE_CURRENT_SOURCE_DIR}/windows)

# Each program of the release is signed, or given its published signature, by
# scripts/windows-release/sign (which does nothing when neither is asked): vardelis.exe and
# vardelis.com once staged and stripped, the installer and its uninstaller as NSIS writes them
# (packaging/windows/project-config.cmake). The signatures it makes go to signatures/.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/project-config.cmake)
set(CPACK_PRE_BUILD_SCRIPTS
    ${CMAKE_CURRENT_LIST_DIR}/check-parts.cmake ${CMAKE_CURRENT_LIST_DIR}/sign-program.cmake)
set(CPACK_VARDELIS_SIGN ${PROJECT_SOURCE_DIR}/scripts/windows-release/sign)
set(CPACK_VARDELIS_SIGNATURES ${PROJECT_BINARY_DIR}/signatures)
