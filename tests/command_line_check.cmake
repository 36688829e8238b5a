# The program's command line run as a script runs it, with no display at all and Qt's platform
# set to X11, which would stop the program at once if it asked Qt for a window: every line back
# with its columns, and the exit statuses apart. Run with -DPROGRAM and -DWORK_DIR.
file(MAKE_DIRECTORY ${WORK_DIR})
file(WRITE ${WORK_DIR}/list.csv "Nom;NIR\nDupont;1 85 05 78 006 084 91\nMartin;1 85 05 78 006 084 19\n")
file(WRITE ${WORK_DIR}/right.csv "1 85 05 78 006 084 91\n")

function(expect arguments status lines error)
    execute_process(COMMAND ${PROGRAM} ${arguments} RESULT_VARIABLE got OUTPUT_VARIABLE out
                    ERROR_VARIABLE err)
    string(REGEX MATCHALL "\n" ends "${out}")
    list(LENGTH ends count)
    if(NOT got STREQUAL status OR NOT count EQUAL lines OR NOT err MATCHES "${error}")
        message(FATAL_ERROR "${arguments}: status ${got} (expected ${status}), ${count} lines "
            "(expected ${lines}), messages '${err}'\n${out}")
    endif()
endfunction()

expect("--verifier;${WORK_DIR}/list.csv" 1 3 "^$")
expect("--verifier;${WORK_DIR}/right.csv" 0 1 "^$")
expect("--verifier;${WORK_DIR}/absent.csv" 2 0 "absent.csv : fichier introuvable")
expect("--version" 0 1 "^$")
