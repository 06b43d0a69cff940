# SPDX-License-Identifier: MIT
# Fails unless every message of every catalogue has its translation, none empty, each with the
# placeholders of its original: a text left unfinished would show English words in the middle of
# another language, and a lost %1 would hide what the user typed.
# Usage: cmake -DTS_FILES="a.ts|b.ts" -P CheckComplete.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/ReadCatalogue.cmake)
string(REPLACE "|" ";" ts_files "${TS_FILES}")
foreach(ts_file ${ts_files})
    hexconv_read_catalogue(${ts_file} catalogue)
    if(catalogue_COUNT EQUAL 0)
        message(FATAL_ERROR "${ts_file}: no translated text")
    endif()
endforeach()
