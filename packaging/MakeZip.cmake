# SPDX-License-Identifier: MIT
# Zips FILES (separated by commas, each relative to the folder FOLDER in the working directory)
# into ZIP under that folder, every file dated at the last commit of the source tree SOURCE, so
# that the same commit gives the same zip: the Windows program's portable zip and the browser
# program's folder.
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC
        git log -1 --format=%cd "--date=format-local:%Y-%m-%d %H:%M:%S UTC"
    WORKING_DIRECTORY ${SOURCE}
    OUTPUT_VARIABLE commit_time OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if(NOT commit_time)
    set(commit_time "2000-01-01 00:00:00 UTC")
endif()
string(REPLACE "," ";" FILES "${FILES}")
set(paths)
foreach(file IN LISTS FILES)
    list(APPEND paths ${FOLDER}/${file})
endforeach()
file(REMOVE ${ZIP})
# A zip's DOS times are local times, which the zip writer takes in its own time zone: in UTC they
# are the same for every builder.
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC
        ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip --mtime=${commit_time} ${paths}
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "could not make ${ZIP}")
endif()
