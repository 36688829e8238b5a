# Run by cpack once the installer's files are staged and stripped: signs each program of the
# release, vardelis.exe and vardelis.com, or gives it its published signature.
foreach(program IN ITEMS vardelis.exe vardelis.com)
    execute_process(
        COMMAND ${CPACK_VARDELIS_SIGN} ${CPACK_VARDELIS_SIGNATURES} ${program}
            ${CPACK_TEMPORARY_DIRECTORY}/${program}
        COMMAND_ERROR_IS_FATAL ANY)
endforeach()
