# Read by cpack before it makes a package: every time in the package, and the one that strip
# writes into a Windows program, is the commit's (SOURCE_DATE_EPOCH, unless the environment sets
# one), so that the same commit gives the same package whenever and wherever it is made.
include(${CPACK_VARDELIS_SOURCE_DIR}/cmake/source-date-epoch.cmake)
set(ENV{SOURCE_DATE_EPOCH} ${VARDELIS_SOURCE_DATE_EPOCH})
