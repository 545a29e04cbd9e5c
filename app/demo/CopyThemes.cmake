# Copies SRC/theme1..3 into DST, replacing older copies; a theme folder that does not exist is skipped.
foreach(theme theme1 theme2 theme3)
    if(IS_DIRECTORY "${SRC}/${theme}")
        file(REMOVE_RECURSE "${DST}/${theme}")
        file(COPY "${SRC}/${theme}" DESTINATION "${DST}")
    endif()
endforeach()
