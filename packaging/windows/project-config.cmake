# Read by cpack once per generator: the installer is named "...-setup.exe", the archive ".zip".
if(CPACK_GENERATOR STREQUAL "NSIS")
    set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-setup")
endif()
# The install rules give each package its own LISEZMOI.txt.
set(CPACK_CUSTOM_INSTALL_VARIABLES "VARDELIS_PACKAGE=${CPACK_GENERATOR}")

# With a certificate and its password in the environment, every program of the release is
# signed: vardelis.exe once staged (after it is stripped), and the installer and its uninstaller
# as NSIS writes them.
if(DEFINED ENV{VARDELIS_SIGNING_CERTIFICATE} AND DEFINED ENV{VARDELIS_SIGNING_PASSWORD})
    set(sign "${CPACK_VARDELIS_SCRIPTS}/windows-sign")
    set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/sign-program.cmake)
    set(CPACK_VARDELIS_NSIS_SIGNING
        "!finalize '\"${sign}\" \"%1\"'\n!uninstfinalize '\"${sign}\" \"%1\"'")
endif()
