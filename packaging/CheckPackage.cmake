# SPDX-License-Identifier: MIT
# Builds the .deb into a folder of its own, as `make package` does, checks that it carries Debian's
# own documents in place of the plain manual page and licence, and has Debian's own checker judge
# it: any error or warning fails; informational tags are shown.
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${CPACK} -G DEB -B ${OUT} --config ${BUILD_DIR}/CPackConfig.cmake
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
file(GLOB deb ${OUT}/*.deb)
if(NOT result EQUAL 0 OR NOT deb)
    message(FATAL_ERROR "cpack could not build the package:\n${output}")
endif()
execute_process(COMMAND dpkg-deb --contents ${deb} OUTPUT_VARIABLE contents)
foreach(file usr/share/doc/hex-converter/copyright usr/share/doc/hex-converter/changelog.gz
             usr/share/man/man1/hex-converter.1.gz)
    if(NOT contents MATCHES " \\./${file}\n")
        message(FATAL_ERROR "the package lacks ${file}:\n${contents}")
    endif()
endforeach()
foreach(file usr/share/doc/hex-converter/LICENSE usr/share/man/man1/hex-converter.1)
    if(contents MATCHES " \\./${file}\n")
        message(FATAL_ERROR "the package carries the upstream ${file}:\n${contents}")
    endif()
endforeach()
execute_process(COMMAND ${LINTIAN} --fail-on error,warning --info --display-info --pedantic ${deb}
                RESULT_VARIABLE result OUTPUT_VARIABLE tags ERROR_VARIABLE tags)
message(STATUS "lintian on ${deb}:\n${tags}")
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lintian refuses the package")
endif()
