# SPDX-License-Identifier: MIT
# Zips FILES (separated by commas, each relative to the folder FOLDER in the working directory)
# into ZIP under that folder, so that the same commit gives the same zip, byte for byte, whoever
# builds it and wherever: the Windows program's portable zip and the browser program's folder.
# Every file is dated at the last commit of the source tree SOURCE, in UTC (a zip's DOS times are
# local times without a zone), readable by its owner and everyone. Info-ZIP's zip writes no access
# or change time, no owner and no extra field (-X), which CMake's own zip writer takes from each
# file and no build can make the same.
execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${SOURCE}
    OUTPUT_VARIABLE commit_time OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if(NOT commit_time)
    set(commit_time 946684800) # 2000-01-01, outside a git checkout
endif()
string(REPLACE "," ";" FILES "${FILES}")
set(paths)
foreach(file IN LISTS FILES)
    list(APPEND paths ${FOLDER}/${file})
endforeach()
execute_process(COMMAND chmod 644 ${paths} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND touch -d @${commit_time} ${paths} COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE ${ZIP})
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC zip -q -X -D ${ZIP} ${paths}
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "could not make ${ZIP} (Info-ZIP's zip, Debian's package zip)")
endif()
