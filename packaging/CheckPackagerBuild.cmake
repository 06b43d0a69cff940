# SPDX-License-Identifier: MIT
# Configures the project in a scratch folder as a distribution's packager would: no tests, with
# GoogleTest and Google Benchmark out of reach, and the distribution's own hardening flags. Then
# checks that no test or benchmark is built, that none of those flags is overridden or repeated,
# and compiles the program's main source with them, warning-free.
file(REMOVE_RECURSE ${OUT})
execute_process(
    COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${OUT} -G Ninja -DCMAKE_BUILD_TYPE=Release
        -DBUILD_TESTING=OFF -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON
        -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON
        "-DCMAKE_CXX_FLAGS=-O2 -D_FORTIFY_SOURCE=3 -fstack-protector-all"
        -DCMAKE_EXE_LINKER_FLAGS=-Wl,-z,norelro
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "a packager's configure failed:\n${output}")
endif()

file(READ ${OUT}/build.ninja ninja)
foreach(target ui_tests core_tests core_bench calculate_bench startup_bench)
    if(ninja MATCHES "build ${target}:")
        message(FATAL_ERROR "with BUILD_TESTING=OFF the build still has ${target}")
    endif()
endforeach()
if(NOT ninja MATCHES "-Wl,-z,now" OR ninja MATCHES "-Wl,-z,relro")
    message(FATAL_ERROR "the link flags given were not kept as they are, with -z,now added")
endif()

file(READ ${OUT}/compile_commands.json commands)
string(REGEX MATCH "\"command\": [^\n]*/ui/main\\.cpp" main_command "${commands}")
foreach(wanted "-D_FORTIFY_SOURCE=3" "-fstack-protector-all")
    string(FIND "${main_command}" "${wanted}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${wanted} is missing from: ${main_command}")
    endif()
endforeach()
foreach(unwanted "_FORTIFY_SOURCE=2" "-fstack-protector-strong")
    string(FIND "${main_command}" "${unwanted}" at)
    if(NOT at EQUAL -1)
        message(FATAL_ERROR "${unwanted} overrides the flags given: ${main_command}")
    endif()
endforeach()

execute_process(COMMAND ${CMAKE_COMMAND} --build ${OUT} --target ui/CMakeFiles/hex-converter.dir/main.cpp.o
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR output MATCHES "warning")
    message(FATAL_ERROR "main.cpp does not compile cleanly with the packager's flags:\n${output}")
endif()
message(STATUS "a packager's build keeps its flags:\n${main_command}")
