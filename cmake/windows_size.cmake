# The release build of the Windows program for size: optimised for size, every function and
# datum in a section of its own so that the linker drops the unused ones, and no symbols or
# debug sections unless PRETEXTOR_STRIP is off.
option(PRETEXTOR_STRIP "Strip symbols and debug sections from the Windows programs" ON)

if(CMAKE_BUILD_TYPE STREQUAL "Release")
    string(REGEX REPLACE "-O[0-9s]" "-Os" CMAKE_CXX_FLAGS_RELEASE "${CMAKE_CXX_FLAGS_RELEASE}")
    add_compile_options(-ffunction-sections -fdata-sections)
    add_link_options(-Wl,--gc-sections)
endif()
if(PRETEXTOR_STRIP)
    add_link_options(-s)
endif()
