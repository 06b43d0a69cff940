# SPDX-License-Identifier: MIT
# A zip that MakeZip.cmake makes dates its files at the last commit's time in UTC, in the DOS times
# that Windows' own unzipping reads as well, and holds nothing of when the files were written or
# read, or by whom: made in three time zones, a second apart, the zips are one and the same, byte
# for byte.
# Usage: cmake -DSOURCE=SOURCE_DIR -DOUT=SCRATCH_DIR -P CheckZip.cmake
file(REMOVE_RECURSE ${OUT})
file(WRITE ${OUT}/folder/file.txt "text\n")
set(zips)
foreach(zone UTC Asia/Tokyo America/New_York)
    string(MAKE_C_IDENTIFIER ${zone} name)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=${zone} ${CMAKE_COMMAND} -DSOURCE=${SOURCE}
            -DZIP=${OUT}/${name}.zip -DFOLDER=folder -DFILES=file.txt
            -P ${CMAKE_CURRENT_LIST_DIR}/MakeZip.cmake
        WORKING_DIRECTORY ${OUT} COMMAND_ERROR_IS_FATAL ANY)
    file(SHA256 ${OUT}/${name}.zip hash)
    file(TOUCH ${OUT}/folder/file.txt)
    execute_process(COMMAND sleep 1)
    list(APPEND zips ${hash})
endforeach()
list(REMOVE_DUPLICATES zips)
list(LENGTH zips count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "the zips made in UTC, Tokyo and New York differ")
endif()
# The DOS time and date of the first file's local header, as the commit's UTC time gives them,
# its seconds counted by two (Info-ZIP's zip rounds an odd one up).
execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${SOURCE}
    OUTPUT_VARIABLE committed OUTPUT_STRIP_TRAILING_WHITESPACE)
math(EXPR even "(${committed} + 1) / 2 * 2")
set(ENV{SOURCE_DATE_EPOCH} ${even})
string(TIMESTAMP committed "%Y-%m-%d-%H-%M-%S" UTC)
string(REPLACE "-" ";" committed "${committed}")
list(TRANSFORM committed REPLACE "^0([0-9])" "\\1")
list(GET committed 0 year)
list(GET committed 1 month)
list(GET committed 2 day)
list(GET committed 3 hour)
list(GET committed 4 minute)
list(GET committed 5 second)
math(EXPR time "${hour} * 2048 + ${minute} * 32 + ${second} / 2")
math(EXPR date "(${year} - 1980) * 512 + ${month} * 32 + ${day}")
math(EXPR expected "${time} + ${date} * 65536" OUTPUT_FORMAT HEXADECIMAL)
file(READ ${OUT}/UTC.zip header OFFSET 10 LIMIT 4 HEX)
string(REGEX REPLACE "(..)(..)(..)(..)" "0x\\4\\3\\2\\1" dated "${header}")
math(EXPR dated "${dated}" OUTPUT_FORMAT HEXADECIMAL)
if(NOT dated STREQUAL expected)
    message(FATAL_ERROR "the zip's DOS time is ${dated}, the commit's UTC time ${expected}")
endif()
