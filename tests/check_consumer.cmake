# Builds the consumer project against this source tree, runs it, and checks that the key logic
# brings in nothing but the C++ standard library.
# Expects SOURCE_DIR, BINARY_DIR and CXX_COMPILER.

function(run_or_fail)
    execute_process(COMMAND ${ARGV} RESULT_VARIABLE status OUTPUT_VARIABLE output
                    ERROR_VARIABLE output)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${ARGV} failed:\n${output}")
    endif()
    set(output "${output}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${BINARY_DIR}")
run_or_fail(${CMAKE_COMMAND} -S "${SOURCE_DIR}/tests/consumer" -B "${BINARY_DIR}"
            -DVARDELIS_SOURCE_DIR=${SOURCE_DIR} -DCMAKE_CXX_COMPILER=${CXX_COMPILER}
            -DCMAKE_BUILD_TYPE=Release)
run_or_fail(${CMAKE_COMMAND} --build "${BINARY_DIR}" --parallel)

run_or_fail("${BINARY_DIR}/consumer")
if(NOT output STREQUAL "36\n")
    message(FATAL_ERROR "consumer printed '${output}', expected 36")
endif()

run_or_fail(readelf --dynamic "${BINARY_DIR}/consumer")
string(REGEX MATCHALL "Shared library: \\[[^]]+\\]" libraries "${output}")
foreach(library IN LISTS libraries)
    if(NOT library MATCHES "\\[(libstdc\\+\\+|libm|libgcc_s|libc)\\.so\\.[0-9]+\\]")
        message(FATAL_ERROR "the key logic links more than the standard library: ${library}")
    endif()
endforeach()
message(STATUS "consumer printed 36 and links only: ${libraries}")
