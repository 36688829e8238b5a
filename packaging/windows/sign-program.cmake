# Run by cpack once the installer's files are staged and stripped: signs each program of the
# release (vardelis.exe and vardelis.com, the installed parts that are programs), or gives it its
# published signature.
list(FILTER CPACK_VARDELIS_WINDOWS_PARTS INCLUDE REGEX "\\.(exe|com)$")
foreach(program IN LISTS CPACK_VARDELIS_WINDOWS_PARTS)
    execute_process(
        COMMAND ${CPACK_VARDELIS_SIGN} ${CPACK_VARDELIS_SIGNATURES} ${program}
            ${CPACK_TEMPORARY_DIRECTORY}/${program}
        COMMAND_ERROR_IS_FATAL ANY)
endforeach()
