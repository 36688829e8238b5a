# The tables built into the program are what the data makes: the generated sources are the ones in
# the repository, and the program reads back from the table of places every code as the script
# wrote it.
# Run with -DSOURCE_DIR, -DLISTING (the listing program) and -DWORK_DIR.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(
    COMMAND ${Python3_EXECUTABLE} ${SOURCE_DIR}/scripts/data/make-tables
        --check ${WORK_DIR}/written.txt
    RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "the tables in logic/ are not what the data makes")
endif()
execute_process(COMMAND ${LISTING} OUTPUT_FILE ${WORK_DIR}/read.txt RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "the program could not read the table, or found it corrupt")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK_DIR}/written.txt
    ${WORK_DIR}/read.txt RESULT_VARIABLE different)
if(different)
    message(FATAL_ERROR "the program reads the table otherwise than the script wrote it: "
        "compare ${WORK_DIR}/written.txt with ${WORK_DIR}/read.txt")
endif()
