# SPDX-License-Identifier: MIT
# Installs the build into a scratch prefix and checks that every file a desktop needs is there,
# then that the installed program, started where no display can be opened, says so in one line
# and ends with status 1 instead of aborting.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed")
endif()
set(expected
    bin/hex-converter
    share/applications/${APP_ID}.desktop
    share/metainfo/${APP_ID}.metainfo.xml
    share/doc/hex-converter/copyright
    share/doc/hex-converter/changelog.gz
    share/man/man1/hex-converter.1.gz)
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

set(clean_environment --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
                      --unset=XDG_SESSION_TYPE)
function(expect_refusal expected_line)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env ${clean_environment} ${ARGN}
                            ${PREFIX}/bin/hex-converter
                    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status STREQUAL "1" OR NOT err STREQUAL "${expected_line}\n")
        message(FATAL_ERROR "started with ${ARGN}: status ${status}, standard error:\n${err}")
    endif()
    message(STATUS "refused as expected: ${err}")
endfunction()
expect_refusal(
    "hex-converter: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set)")
expect_refusal("hex-converter: cannot open the X11 display \":999\"; the window cannot be shown."
    DISPLAY=:999)
file(MAKE_DIRECTORY ${PREFIX}/runtime)
file(CHMOD ${PREFIX}/runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
expect_refusal("hex-converter: cannot open the Wayland display \"no-compositor\"; the window cannot be shown."
    QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=no-compositor XDG_RUNTIME_DIR=${PREFIX}/runtime)
