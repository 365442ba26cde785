# The same sources give the same bytes wherever and whenever they are built: no build folder in
# any output, no time stamp in the Windows program's header, and every date that goes into a
# package taken from SOURCE_DATE_EPOCH. When the caller does not set it, it is the time of the
# commit being built or, outside a git checkout, the date of the package changelog's entry.
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=. -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)
if(WIN32)
    add_link_options(-Wl,--no-insert-timestamp)
endif()

if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(PRETEXTOR_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
else()
    # Without git (a newcomer's first build installs none) the changelog's date serves.
    set(PRETEXTOR_SOURCE_DATE_EPOCH "")
    find_package(Git QUIET)
    if(GIT_FOUND)
        execute_process(COMMAND ${GIT_EXECUTABLE} -C ${PROJECT_SOURCE_DIR} log -1 --format=%ct
                        OUTPUT_VARIABLE PRETEXTOR_SOURCE_DATE_EPOCH
                        OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE status)
        if(NOT status EQUAL 0)
            set(PRETEXTOR_SOURCE_DATE_EPOCH "")
        endif()
    endif()
    if("${PRETEXTOR_SOURCE_DATE_EPOCH}" STREQUAL "")
        file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/changelog.in trailer REGEX "^ -- .*>  " LIMIT_COUNT 1)
        string(REGEX REPLACE "^ -- .*>  " "" changelog_date "${trailer}")
        execute_process(COMMAND date -u -d "${changelog_date}" +%s
                        OUTPUT_VARIABLE PRETEXTOR_SOURCE_DATE_EPOCH
                        OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    endif()
endif()
if(NOT PRETEXTOR_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    message(FATAL_ERROR "SOURCE_DATE_EPOCH is not a count of seconds: '${PRETEXTOR_SOURCE_DATE_EPOCH}'")
endif()
