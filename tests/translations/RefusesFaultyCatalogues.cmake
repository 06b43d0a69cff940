# SPDX-License-Identifier: MIT
# The build's catalogue check, given copies of a shipped catalogue with one fault each: a single
# text left unfinished among the finished ones, a translation that lost its %1, one whose %1
# became %2. Each copy must be refused; the catalogue as it is accepted, and so is one that puts
# %2 before %1, as a language's word order may need.
# Usage: cmake -DCATALOGUE=x.ts -DGENERATE=GenerateCatalogue.cmake -DSCRATCH=DIR -P THIS
cmake_minimum_required(VERSION 3.25)
file(READ "${CATALOGUE}" original)
file(MAKE_DIRECTORY "${SCRATCH}")

function(expect outcome name text)
    file(WRITE "${SCRATCH}/${name}.ts" "${text}")
    execute_process(COMMAND ${CMAKE_COMMAND} "-DTS_FILES=xx:${SCRATCH}/${name}.ts"
            "-DOUTPUT=${SCRATCH}/${name}.cpp" -P "${GENERATE}"
        RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE said)
    if(outcome STREQUAL "accepted" AND NOT result EQUAL 0)
        message(FATAL_ERROR "${name}: refused: ${said}")
    elseif(outcome STREQUAL "refused" AND result EQUAL 0)
        message(FATAL_ERROR "${name}: accepted")
    endif()
    message(STATUS "${name}: ${outcome}")
endfunction()

# The first occurrence of FIND in the catalogue replaced by REPLACEMENT.
function(once find replacement out)
    string(FIND "${original}" "${find}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the catalogue has no ${find}")
    endif()
    string(LENGTH "${find}" length)
    string(SUBSTRING "${original}" 0 ${at} before)
    math(EXPR after "${at} + ${length}")
    string(SUBSTRING "${original}" ${after} -1 rest)
    set(${out} "${before}${replacement}${rest}" PARENT_SCOPE)
endfunction()

expect(accepted as-shipped "${original}")
once("<translation>" "<translation type=\"unfinished\">" one_unfinished)
expect(refused one-text-unfinished "${one_unfinished}")
string(REGEX MATCH "<translation>[^<]*%1[^<]*</translation>" with_placeholder "${original}")
string(REPLACE "%1" "" lost "${with_placeholder}")
once("${with_placeholder}" "${lost}" placeholder_lost)
expect(refused placeholder-lost "${placeholder_lost}")
string(REPLACE "%1" "%2" renamed "${with_placeholder}")
once("${with_placeholder}" "${renamed}" placeholder_renamed)
expect(refused placeholder-renamed "${placeholder_renamed}")
string(REGEX MATCH "<translation>[^<]*%1[^<]*%2[^<]*</translation>" in_order "${original}")
string(REPLACE "%1" "%0" reordered "${in_order}")
string(REPLACE "%2" "%1" reordered "${reordered}")
string(REPLACE "%0" "%2" reordered "${reordered}")
once("${in_order}" "${reordered}" placeholders_reordered)
expect(accepted placeholders-reordered "${placeholders_reordered}")
