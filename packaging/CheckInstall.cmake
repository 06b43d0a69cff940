# SPDX-License-Identifier: MIT
# Installs the build into a scratch prefix and checks that every file a desktop needs is there.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed")
endif()
set(expected
    bin/hex-converter
    share/applications/${APP_ID}.desktop
    share/metainfo/${APP_ID}.metainfo.xml)
foreach(size 32 64 128 256)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
foreach(file ${expected})
    if(NOT EXISTS ${PREFIX}/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
file(GLOB_RECURSE installed RELATIVE ${PREFIX} ${PREFIX}/*)
list(LENGTH installed count)
list(LENGTH expected wanted)
if(NOT count EQUAL wanted)
    message(FATAL_ERROR "installed files differ from the expected ones: ${installed}")
endif()
message(STATUS "all ${count} files installed")
