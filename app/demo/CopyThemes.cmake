# Copies SRC/theme1..3 into DST, replacing older copies, and packs each as DST/<theme>.zip (entries at the
# archive's root) so that --theme takes either; a theme folder that does not exist is skipped.
foreach(theme theme1 theme2 theme3)
    if(IS_DIRECTORY "${SRC}/${theme}")
        file(REMOVE_RECURSE "${DST}/${theme}")
        file(COPY "${SRC}/${theme}" DESTINATION "${DST}")
        file(GLOB_RECURSE entries RELATIVE "${DST}/${theme}" "${DST}/${theme}/*")
        list(SORT entries)
        file(REMOVE "${DST}/${theme}.zip")
        execute_process(COMMAND "${CMAKE_COMMAND}" -E tar cf "${DST}/${theme}.zip" --format=zip ${entries}
                        WORKING_DIRECTORY "${DST}/${theme}")
    endif()
endforeach()
