# Run by cpack once the files of a package are staged: signs the staged vardelis.exe.
execute_process(
    COMMAND ${CPACK_VARDELIS_SCRIPTS}/windows-sign ${CPACK_TEMPORARY_DIRECTORY}/vardelis.exe
    COMMAND_ERROR_IS_FATAL ANY)
