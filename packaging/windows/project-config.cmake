# Read by cpack before it makes the installer: the times of the common project file, and the
# signing of the installer and its uninstaller as NSIS writes them (NSIS stops when it fails).
include(${CMAKE_CURRENT_LIST_DIR}/../project-config.cmake)
set(sign "'\"${CPACK_VARDELIS_SIGN}\" \"${CPACK_VARDELIS_SIGNATURES}\"")
set(CPACK_VARDELIS_NSIS_SIGNING
    "!finalize ${sign} \"${CPACK_PACKAGE_FILE_NAME}.exe\" \"%1\"' = 0
!uninstfinalize ${sign} \"Desinstaller.exe\" \"%1\"' = 0")
