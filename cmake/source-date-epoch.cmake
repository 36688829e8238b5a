# The time that the release files carry (SOURCE_DATE_EPOCH): the one set in the environment, or
# else the time of the commit built, or else, in a source tarball unpacked outside git, the time
# that the tarball records (.source-release). Included, this sets VARDELIS_SOURCE_DATE_EPOCH; run
# with cmake -P, it prints it.
get_filename_component(vardelis_source ${CMAKE_CURRENT_LIST_DIR} DIRECTORY)
if(NOT "$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
    set(VARDELIS_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
elseif(EXISTS ${vardelis_source}/.git)
    execute_process(COMMAND git log -1 --format=%ct
        WORKING_DIRECTORY ${vardelis_source}
        OUTPUT_VARIABLE VARDELIS_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
        COMMAND_ERROR_IS_FATAL ANY)
elseif(EXISTS ${vardelis_source}/.source-release)
    file(STRINGS ${vardelis_source}/.source-release VARDELIS_SOURCE_DATE_EPOCH REGEX "^time ")
    string(REPLACE "time " "" VARDELIS_SOURCE_DATE_EPOCH "${VARDELIS_SOURCE_DATE_EPOCH}")
else()
    message(FATAL_ERROR "No time for the release files: set SOURCE_DATE_EPOCH, or build from a "
        "git clone or from the source tarball")
endif()
if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
    execute_process(COMMAND ${CMAKE_COMMAND} -E echo ${VARDELIS_SOURCE_DATE_EPOCH})
endif()
