# The pages that cannot take the attribution of the data of the places at build time (the README
# and data/README.md, read as they are) give it word for word as data/attribution.txt holds it,
# from which the manual pages, the copyright file and the Windows notice take it.
# Run with -DSOURCE_DIR.
function(words_of file result)
    file(READ ${file} text)
    # Lines of a paragraph or of a quotation, joined.
    string(REGEX REPLACE "\n> ?" " " text "${text}")
    string(REGEX REPLACE "[ \n]+" " " text "${text}")
    set(${result} "${text}" PARENT_SCOPE)
endfunction()

words_of(${SOURCE_DIR}/data/attribution.txt attribution)
string(STRIP "${attribution}" attribution)
foreach(page IN ITEMS README.md data/README.md)
    words_of(${SOURCE_DIR}/${page} text)
    string(FIND "${text}" "${attribution}" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "${page} does not give the attribution of data/attribution.txt")
    endif()
endforeach()
