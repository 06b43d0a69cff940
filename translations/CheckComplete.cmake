# SPDX-License-Identifier: MIT
# Fails unless every message of every catalogue has its translation: none unfinished, none
# empty. Usage: cmake -DTS_FILES="a.ts|b.ts" -P CheckComplete.cmake
string(REPLACE "|" ";" ts_files "${TS_FILES}")
foreach(ts_file ${ts_files})
    file(READ ${ts_file} catalogue)
    string(REGEX MATCHALL "<translation type=\"unfinished\"|<translation></translation>|<translation/>"
           open_entries "${catalogue}")
    list(LENGTH open_entries open_count)
    if(open_count GREATER 0)
        message(FATAL_ERROR "${ts_file}: ${open_count} texts are not translated yet; "
                            "translate them (Qt Linguist, or by hand) before building")
    endif()
endforeach()
