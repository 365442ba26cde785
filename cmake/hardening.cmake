# The Linux program is hardened as Debian hardens its own packages: the flags come from
# dpkg-buildflags (hardening=+all) where it is installed. Each flag written below that it does not
# give (an older dpkg lacks some; a machine without dpkg has none) is added, so that no machine
# builds with fewer. The build type keeps its own optimisation and debug information, and the
# build maps its own paths.
set(PRETEXTOR_HARDENING_CPPFLAGS -Wdate-time -D_FORTIFY_SOURCE=2)
set(PRETEXTOR_HARDENING_CXXFLAGS
    -fstack-protector-strong -fstack-clash-protection -Wformat -Werror=format-security)
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|amd64|i.86)$")
    list(APPEND PRETEXTOR_HARDENING_CXXFLAGS -fcf-protection)
elseif(CMAKE_SYSTEM_PROCESSOR MATCHES "^(aarch64|arm64)$")
    # arm64's own control-flow protection: return addresses signed, branch targets marked.
    list(APPEND PRETEXTOR_HARDENING_CXXFLAGS -mbranch-protection=standard)
endif()
set(PRETEXTOR_HARDENING_LDFLAGS -Wl,-z,relro -Wl,-z,now)

# Adds to the list named `list_name` each further argument it lacks; a flag with a value
# (-D_FORTIFY_SOURCE=3) counts as present whatever its value.
function(pretextor_add_missing_flags list_name)
    set(result ${${list_name}})
    foreach(flag IN LISTS ARGN)
        string(REGEX REPLACE "=.*" "" key "${flag}")
        set(present FALSE)
        foreach(have IN LISTS result)
            string(REGEX REPLACE "=.*" "" have "${have}")
            if(have STREQUAL key)
                set(present TRUE)
            endif()
        endforeach()
        if(NOT present)
            list(APPEND result ${flag})
        endif()
    endforeach()
    set(${list_name} ${result} PARENT_SCOPE)
endfunction()

find_program(PRETEXTOR_DPKG_BUILDFLAGS dpkg-buildflags)
# A cross build asks for the flags of the architecture it builds for.
set(host_arch)
if(PRETEXTOR_DEBIAN_ARCH)
    set(host_arch DEB_HOST_ARCH=${PRETEXTOR_DEBIAN_ARCH})
endif()
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    set(flags)
    if(PRETEXTOR_DPKG_BUILDFLAGS)
        execute_process(
            COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all ${host_arch}
                    ${PRETEXTOR_DPKG_BUILDFLAGS} --get ${kind}
            OUTPUT_VARIABLE output OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
        separate_arguments(flags UNIX_COMMAND "${output}")
        list(FILTER flags EXCLUDE REGEX "^-(O.*|g.*|f(file|debug|macro)-prefix-map=.*)$")
    endif()
    pretextor_add_missing_flags(flags ${PRETEXTOR_HARDENING_${kind}})
    set(PRETEXTOR_${kind} ${flags})
endforeach()
message(STATUS "Hardening: ${PRETEXTOR_CPPFLAGS} ${PRETEXTOR_CXXFLAGS} ${PRETEXTOR_LDFLAGS}")

# Fortified functions need the optimiser; an unoptimised build would only warn that they are off.
set(fortify ${PRETEXTOR_CPPFLAGS})
list(FILTER fortify INCLUDE REGEX "^-D_FORTIFY_SOURCE")
list(FILTER PRETEXTOR_CPPFLAGS EXCLUDE REGEX "^-D_FORTIFY_SOURCE")
add_compile_options(${PRETEXTOR_CPPFLAGS} ${PRETEXTOR_CXXFLAGS}
                    "$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:${fortify}>")
add_link_options(${PRETEXTOR_LDFLAGS})

# Position-independent executables, linked as such.
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
include(CheckPIESupported)
check_pie_supported()
