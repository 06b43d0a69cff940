# SPDX-License-Identifier: MIT
# Writes Windows' tables of its ANSI code pages (core/code-pages/windows-N.txt, which
# scripts/windows-code-pages writes from Windows' own answers) as C++: TABLES, a header of each
# code page's bytes from 0x80 and the characters it writes as a letter and marks, and PAIRS, the
# source of CodePagePairs, the pairs of the double-byte ones, a file of its own that the browser's
# program replaces. A file that is not whole, or holds what the tables cannot, fails the build.
# Usage: cmake -DDATA="a.txt|b.txt" -DTABLES=CodePageData.h -DPAIRS=CodePagePairs.cpp
#              -P GenerateCodePageTables.cmake
cmake_minimum_required(VERSION 3.25)

# Each code page by number, from 874 up, as the program lists them.
string(REPLACE "|" ";" files "${DATA}")
set(numbers)
foreach(file ${files})
    if(NOT file MATCHES "windows-([0-9]+)\\.txt$")
        message(FATAL_ERROR "${file}: not a code page's file (windows-N.txt)")
    endif()
    list(APPEND numbers ${CMAKE_MATCH_1})
    set(file_${CMAKE_MATCH_1} ${file})
endforeach()
list(SORT numbers COMPARE NATURAL)

set(header_tables "")
set(header_list "")
set(pairs_tables "")
set(pairs_cases "")
set(pairs_names "")
foreach(number ${numbers})
    set(file ${file_${number}})
    file(STRINGS ${file} lines REGEX "^[^#]")
    set(byte 128)
    set(upper "")
    set(rows "")
    set(double_byte false)
    set(decompositions "")
    set(decomposition_count 0)
    foreach(line ${lines})
        if(line MATCHES "^U\\+([0-9A-F][0-9A-F][0-9A-F][0-9A-F]) ([0-9A-F][0-9A-F]( [0-9A-F][0-9A-F])?( [0-9A-F][0-9A-F])?)$")
            string(REPLACE " " ", 0x" bytes "0x${CMAKE_MATCH_2}")
            string(APPEND decompositions "    {0x${CMAKE_MATCH_1}, {${bytes}}},\n")
            math(EXPR decomposition_count "${decomposition_count} + 1")
            continue()
        endif()
        math(EXPR expected "${byte}" OUTPUT_FORMAT HEXADECIMAL)
        string(TOUPPER "${expected}" expected)
        string(SUBSTRING "${expected}" 2 2 expected)
        if(decomposition_count GREATER 0 OR NOT line MATCHES "^${expected} (.*)$")
            message(FATAL_ERROR "${file}: byte ${expected} is missing or out of place")
        endif()
        # Code units of four hexadecimal digits, none a surrogate (no character alone) or zero
        # (which code-page-N.bin, the browser's form of the pairs, keeps for a byte that begins
        # no pair).
        set(units "${CMAKE_MATCH_1}")
        string(REGEX REPLACE "[0-9A-F][0-9A-F][0-9A-F][0-9A-F] " "" rest "${units} ")
        if(NOT rest STREQUAL "" OR " ${units}" MATCHES " (D[89AB]|0000)")
            message(FATAL_ERROR "${file}: byte ${expected} has what is no code unit of a character")
        endif()
        string(LENGTH "${units}" length)
        string(REPLACE " " "\\u" characters "\\u${units}")
        if(length EQUAL 4)
            string(APPEND upper "${characters}")
            string(APPEND rows "    {},\n")
        elseif(length EQUAL 954) # the 191 trail bytes 0x40 to 0xFE
            string(APPEND upper "\\uFFFF")
            string(APPEND rows "    // 0x${expected}\n    u\"${characters}\",\n")
            set(double_byte true)
        else()
            message(FATAL_ERROR "${file}: byte ${expected} has neither one character nor a row of pairs")
        endif()
        math(EXPR byte "${byte} + 1")
        if(byte EQUAL 256)
            set(upper "${upper}\"\n")
        elseif(byte MATCHES "^(144|160|176|192|208|224|240)$")
            set(upper "${upper}\"\n    u\"")
        endif()
    endforeach()
    if(NOT byte EQUAL 256)
        message(FATAL_ERROR "${file}: the bytes end before FF")
    endif()

    string(APPEND header_tables "// Windows-${number}: bytes 0x80 to 0xFF.
constexpr std::u16string_view upper${number} =
    u\"${upper};\n\n")
    set(decomposition_span "{}")
    if(decomposition_count GREATER 0)
        string(APPEND header_tables "// Windows-${number}: the characters it writes only as a letter and combining marks.
constexpr std::array<CodePageTable::Decomposition, ${decomposition_count}> decompositions${number} = {{
${decompositions}}};\n\n")
        set(decomposition_span decompositions${number})
    endif()
    string(APPEND header_list "    {${number}, {}, {}, upper${number}, ${double_byte}, ${decomposition_span}},\n")
    if(double_byte)
        string(APPEND pairs_tables "// Windows-${number}: for each lead byte from 0x80 to 0xFF, its trail bytes 0x40 to 0xFE.
constexpr std::array<std::u16string_view, 128> pairs${number} = {{
${rows}}};\n\n")
        string(APPEND pairs_cases "    case ${number}:\n        return pairs${number};\n")
        list(APPEND pairs_names windows-${number}.txt)
    endif()
endforeach()
list(LENGTH numbers count)
list(GET numbers 0 first)
string(REPLACE ";" ", " pairs_names "${pairs_names}")

# Each written only when it changed, so that the program is not rebuilt for nothing.
function(hexconv_write_generated path text)
    file(WRITE "${path}.new" "${text}")
    file(COPY_FILE "${path}.new" "${path}" ONLY_IF_DIFFERENT)
    file(REMOVE "${path}.new")
endfunction()

hexconv_write_generated(${TABLES} "// Generated from core/code-pages/windows-*.txt by core/GenerateCodePageTables.cmake — do not edit.
// NOLINTBEGIN
#pragma once

#include \"CodePageTable.h\"

#include <array>

// Each code page's bytes and the characters it writes as a letter and marks, as Windows converts
// them; CodePageTable.cpp adds the program's own name and examples for each.
namespace hexconv::windows {

${header_tables}// By number, from ${first} up: its bytes and decompositions, neither name nor examples.
constexpr std::array<CodePageTable, ${count}> codePages = {{
${header_list}}};

} // namespace hexconv::windows
// NOLINTEND
")

hexconv_write_generated(${PAIRS} "// Generated from core/code-pages/${pairs_names} by core/GenerateCodePageTables.cmake — do not edit.
// NOLINTBEGIN
#include \"CodePagePairs.h\"

#include <array>

namespace hexconv {

namespace {

${pairs_tables}} // namespace

std::span<const std::u16string_view> CodePagePairs::of(unsigned number) {
    switch (number) {
${pairs_cases}    default:
        return {};
    }
}

} // namespace hexconv
// NOLINTEND
")
