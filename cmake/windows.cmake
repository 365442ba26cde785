# The Windows program's resources, fed from the project's one version definition.
enable_language(RC)

# The file version as the original wrote it: two-digit minor, four-digit revision (1.03.0125).
function(pretextor_zero_pad value width result)
    string(LENGTH "${value}" length)
    set(padding "")
    if(length LESS width)
        math(EXPR zeros "${width} - ${length}")
        string(REPEAT "0" ${zeros} padding)
    endif()
    set(${result} "${padding}${value}" PARENT_SCOPE)
endfunction()
pretextor_zero_pad(${PROJECT_VERSION_MINOR} 2 minor)
pretextor_zero_pad(${PROJECT_VERSION_TWEAK} 4 revision)
set(PRETEXTOR_FILE_VERSION "${PROJECT_VERSION_MAJOR}.${minor}.${revision}")

configure_file(${PROJECT_SOURCE_DIR}/resources/pretextor_version.h.in
               ${PROJECT_BINARY_DIR}/resources/pretextor_version.h @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/resources/pretextor.manifest.in
               ${PROJECT_BINARY_DIR}/resources/pretextor.manifest @ONLY)
