# SPDX-License-Identifier: MIT
# Installs the build into a scratch prefix, as `cmake --install` does for any system, and checks
# that exactly the files a desktop needs are there (none of the Debian package's own documents).
# Then the installed program's command line: --help and --version without a display, an unknown
# option refused, and where no display can be opened, one line naming the display tried and
# status 1 instead of an abort; with only -platform offscreen it starts.
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
    share/doc/hex-converter/LICENSE
    share/man/man1/hex-converter.1)
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

# In English, whatever the language of the user running the check.
set(clean_environment --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
                      --unset=XDG_SESSION_TYPE LANGUAGE=en)
# Runs the installed program with no display variable set, the given variables and arguments.
function(run_program)
    cmake_parse_arguments(PARSE_ARGV 0 run "" "" "ENV;ARGS")
    execute_process(COMMAND ${CMAKE_COMMAND} -E env ${clean_environment} ${run_ENV}
                            ${PREFIX}/bin/hex-converter ${run_ARGS}
                    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 3)
    set(status "${status}" PARENT_SCOPE)
    set(out "${out}" PARENT_SCOPE)
    set(err "${err}" PARENT_SCOPE)
endfunction()
function(expect expected_status expected_out expected_err)
    run_program(${ARGN})
    if(NOT status STREQUAL expected_status OR NOT out STREQUAL expected_out OR
       NOT err STREQUAL expected_err)
        string(REPLACE ";" " " started "${ARGN}")
        message(FATAL_ERROR "started with ${started}: status ${status}\nstandard output:\n${out}\n"
                            "standard error:\n${err}")
    endif()
    string(REPLACE ";" " " started "${ARGN}")
    message(STATUS "${started}: status ${status} as expected")
endfunction()

run_program(ARGS --help)
if(NOT status STREQUAL "0" OR NOT out MATCHES "^Usage: hex-converter .*-platform NAME.*-display"
   OR NOT err STREQUAL "")
    message(FATAL_ERROR "--help: status ${status}, standard output:\n${out}\n${err}")
endif()
expect(0 "${out}" "" ARGS -h)
expect(0 "hex-converter ${VERSION}\n" "" ARGS --version)
expect(0 "hex-converter ${VERSION}\n" "" ARGS -v)
expect(0 "hex-converter ${VERSION}\n" "" ARGS ignored-file --version)
expect(2 "" "hex-converter: unknown option \"--frobnicate\"; see \"hex-converter --help\".\n"
       ARGS --frobnicate)
expect(2 "" "hex-converter: unknown option \"-x\"; see \"hex-converter --help\".\n"
       ARGS -reverse -x=1)
expect(2 "" "hex-converter: the option \"-platform\" needs a value; see \"hex-converter --help\".\n"
       ARGS -platform)

set(no_display
    "hex-converter: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set)\n")
expect(1 "" "${no_display}")
expect(1 "" "${no_display}" ARGS not-an-option)
expect(1 "" "hex-converter: cannot open the X11 display \":999\"; the window cannot be shown.\n"
       ENV DISPLAY=:999)
# What the user named reaches standard error whole, as UTF-8 bytes.
expect(1 "" "hex-converter: cannot open the X11 display \":Ω😀中\"; the window cannot be shown.\n"
       ENV LANG=C.UTF-8 DISPLAY=:Ω😀中)
# The option counts as the variable does, and wins over it, as in Qt.
expect(1 "" "hex-converter: cannot open the X11 display \":998\"; the window cannot be shown.\n"
       ARGS -display :998)
expect(1 "" "hex-converter: cannot open the X11 display \":998\"; the window cannot be shown.\n"
       ENV DISPLAY=:999 ARGS --display :998)
expect(1 "" "hex-converter: cannot open an X11 display (DISPLAY is not set); the window cannot be shown.\n"
       ARGS -platform xcb)
file(MAKE_DIRECTORY ${PREFIX}/runtime)
file(CHMOD ${PREFIX}/runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
expect(1 "" "hex-converter: cannot open the Wayland display \"no-compositor\"; the window cannot be shown.\n"
       ENV QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=no-compositor XDG_RUNTIME_DIR=${PREFIX}/runtime)
expect(1 "" "hex-converter: cannot open the Wayland display \"no-compositor\"; the window cannot be shown.\n"
       ENV WAYLAND_DISPLAY=no-compositor XDG_RUNTIME_DIR=${PREFIX}/runtime ARGS -platform wayland)
# A platform that needs no display starts: still running when the time is up.
run_program(ENV XDG_RUNTIME_DIR=${PREFIX}/runtime ARGS -platform offscreen)
if(NOT status MATCHES "timeout")
    message(FATAL_ERROR "-platform offscreen did not start: status ${status}\n${err}")
endif()
message(STATUS "-platform offscreen: started")
run_program(ENV QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=${PREFIX}/runtime)
if(NOT status MATCHES "timeout")
    message(FATAL_ERROR "QT_QPA_PLATFORM=offscreen did not start: status ${status}\n${err}")
endif()
message(STATUS "QT_QPA_PLATFORM=offscreen: started")

# In German: its own words from the start, and Qt's own catalogue loaded (mapped into the running
# program) for the context menus and buttons that Qt draws.
expect(2 "" "hex-converter: unbekannte Option „--frobnicate“; siehe „hex-converter --help“.\n"
       ENV LANGUAGE=de ARGS --frobnicate)
execute_process(COMMAND ${CMAKE_COMMAND} -E env ${clean_environment} LANGUAGE=de
                    XDG_RUNTIME_DIR=${PREFIX}/runtime
                    sh -c "\"$1\" -platform offscreen & pid=$!
                           for i in $(seq 50); do
                               grep -q /qtbase_de.qm /proc/$pid/maps && break
                               sleep 0.1
                           done
                           grep /qtbase_de.qm /proc/$pid/maps; found=$?
                           kill $pid; exit $found" sh ${PREFIX}/bin/hex-converter
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status STREQUAL "0")
    message(FATAL_ERROR "in German, Qt's catalogue qtbase_de.qm was not loaded\n${err}")
endif()
message(STATUS "in German, Qt's catalogue is loaded: ${out}")
