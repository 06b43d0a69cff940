# SPDX-License-Identifier: MIT
# Run by CPack on the staged files before it packs them: where SOURCE_DATE_EPOCH is set, every
# file and folder is dated then, so that the package does not depend on when it was built.
if("$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
    return()
endif()
file(GLOB_RECURSE staged LIST_DIRECTORIES true "${CPACK_TEMPORARY_DIRECTORY}/*")
execute_process(COMMAND touch --no-dereference --date=@$ENV{SOURCE_DATE_EPOCH}
                        ${CPACK_TEMPORARY_DIRECTORY} ${staged}
                COMMAND_ERROR_IS_FATAL ANY)
