# Run by cpack once the installer's files are staged and stripped: signs vardelis.exe, or gives it
# its published signature.
execute_process(
    COMMAND ${CPACK_VARDELIS_SIGN} ${CPACK_VARDELIS_SIGNATURES} vardelis.exe
        ${CPACK_TEMPORARY_DIRECTORY}/vardelis.exe
    COMMAND_ERROR_IS_FATAL ANY)
