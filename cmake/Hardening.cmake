# SPDX-License-Identifier: MIT
# Fortified library calls, stack protection and a read-only relocation table bound at start, as
# Debian builds its own packages. Each is added only where neither the flags given (a
# distribution's CXXFLAGS and LDFLAGS) nor the compiler's own defaults already choose it, so that
# a stronger or deliberately different choice is never overridden.
include(CheckCXXSourceCompiles)

string(TOUPPER "${CMAKE_BUILD_TYPE}" _build_type)
set(_given_flags "${CMAKE_CXX_FLAGS} ${CMAKE_CXX_FLAGS_${_build_type}}")
set(_given_link_flags "${CMAKE_EXE_LINKER_FLAGS} ${CMAKE_EXE_LINKER_FLAGS_${_build_type}}")

# Some compilers fortify by default in optimised builds; fortification wants one anyway.
if(NOT _given_flags MATCHES "_FORTIFY_SOURCE")
    set(CMAKE_REQUIRED_FLAGS -O2)
    check_cxx_source_compiles("#ifndef _FORTIFY_SOURCE
#error not fortified
#endif
int main() {}" HEXCONV_FORTIFIED_BY_DEFAULT)
    unset(CMAKE_REQUIRED_FLAGS)
    if(NOT HEXCONV_FORTIFIED_BY_DEFAULT)
        add_compile_options($<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
    endif()
endif()

if(NOT _given_flags MATCHES "-f(no-)?stack-protector")
    check_cxx_source_compiles("#if !defined(__SSP__) && !defined(__SSP_STRONG__) && !defined(__SSP_ALL__)
#error no stack protection
#endif
int main() {}" HEXCONV_STACK_PROTECTED_BY_DEFAULT)
    if(NOT HEXCONV_STACK_PROTECTED_BY_DEFAULT)
        add_compile_options(-fstack-protector-strong)
    endif()
endif()

if(NOT _given_link_flags MATCHES "relro")
    add_link_options(-Wl,-z,relro)
endif()
if(NOT _given_link_flags MATCHES "(z,|-z *)(now|lazy)|bind[_-]now")
    add_link_options(-Wl,-z,now)
endif()
