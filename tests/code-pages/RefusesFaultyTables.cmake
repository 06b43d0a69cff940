# SPDX-License-Identifier: MIT
# The build's check of the code pages' tables, given copies of a double-byte code page's file with
# one fault each: a byte left out, a lead byte with one trail byte too few, a surrogate for a
# character. Each copy must be refused, and the file as it is accepted.
# Usage: cmake -DTABLE=windows-932.txt -DGENERATE=GenerateCodePageTables.cmake -DSCRATCH=DIR -P THIS
cmake_minimum_required(VERSION 3.25)
file(READ "${TABLE}" original)
file(MAKE_DIRECTORY "${SCRATCH}")

function(expect outcome name text)
    file(WRITE "${SCRATCH}/${name}/windows-932.txt" "${text}")
    execute_process(COMMAND ${CMAKE_COMMAND} "-DDATA=${SCRATCH}/${name}/windows-932.txt"
            "-DTABLES=${SCRATCH}/${name}/CodePageData.h" "-DPAIRS=${SCRATCH}/${name}/Pairs.cpp"
            -P "${GENERATE}"
        RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE said)
    if(outcome STREQUAL "accepted" AND NOT result EQUAL 0)
        message(FATAL_ERROR "${name}: refused: ${said}")
    # CMake wraps a long message where it likes, also between these two words.
    elseif(outcome STREQUAL "refused" AND NOT said MATCHES "byte[ \n]+81")
        message(FATAL_ERROR "${name}: not refused for byte 81: ${said}")
    endif()
    message(STATUS "${name}: ${outcome}")
endfunction()

expect(accepted as-shipped "${original}")
string(REGEX REPLACE "\n81 [^\n]*" "" left_out "${original}")
expect(refused byte-left-out "${left_out}")
string(REGEX REPLACE "(\n81 [^\n]*) [0-9A-F]+\n" "\\1\n" short "${original}")
expect(refused row-too-short "${short}")
string(REPLACE "\n81 3000 " "\n81 D800 " surrogate "${original}")
expect(refused surrogate "${surrogate}")
