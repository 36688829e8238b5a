# Run by cpack once the installer's files are staged: they must be just the parts that the
# installer sets aside and removes (VARDELIS_WINDOWS_PARTS, packaging/windows/package.cmake), or an
# upgrade would leave a file of the old version and an uninstall one of Vardelis's behind.
file(GLOB staged RELATIVE "${CPACK_TEMPORARY_DIRECTORY}" "${CPACK_TEMPORARY_DIRECTORY}/*")
set(parts ${CPACK_VARDELIS_WINDOWS_PARTS})
list(SORT staged)
list(SORT parts)
if(NOT staged STREQUAL parts)
    message(FATAL_ERROR "cpack stages \"${staged}\", but the installer knows \"${parts}\": "
        "give VARDELIS_WINDOWS_PARTS in packaging/windows/package.cmake what is installed")
endif()
