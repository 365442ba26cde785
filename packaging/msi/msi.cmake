# Builds a per-user MSI of Pretextor13.exe with wixl.
# pretextor_add_msi(TARGET VERSION OUTPUT): the custom target TARGET builds the installer of that
# version at OUTPUT. The product code follows from the version, so that the same version is always
# the same product (installing it again repairs it) and every other version a new one.
find_program(PRETEXTOR_WIXL wixl REQUIRED)
find_program(PRETEXTOR_MSIBUILD msibuild REQUIRED)
set(PRETEXTOR_MSI_DIR ${CMAKE_CURRENT_LIST_DIR})

function(pretextor_add_msi target version output)
    # The upgrade code in pretextor.wxs names the product's line of versions.
    string(UUID product_code NAMESPACE 6f0c2a3e-5b7d-4e19-8a64-d2c9b1e07f35
           NAME "Pretextor ${version}" TYPE SHA1)
    # Windows' menus cannot show a colon in a shortcut's name.
    string(REPLACE ": " " - " shortcut_name "${PRETEXTOR_TITLE}")
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND}
            -DWIXL=${PRETEXTOR_WIXL} -DMSIBUILD=${PRETEXTOR_MSIBUILD}
            -DSOURCE=${PRETEXTOR_MSI_DIR}/pretextor.wxs -DOUTPUT=${output}
            -DWORK=${CMAKE_CURRENT_BINARY_DIR}/${target}
            -DVERSION=${version} -DPRODUCT_CODE=${product_code}
            -DTITLE=${PRETEXTOR_TITLE} -DSHORTCUT_NAME=${shortcut_name}
            -DPUBLISHER=${PRETEXTOR_PUBLISHER}
            "-DDESCRIPTION=Composes a random four-word technical excuse for the help desk"
            -DPROGRAM=$<TARGET_FILE:Pretextor13> -DICON=${PROJECT_SOURCE_DIR}/resources/pretextor.ico
            -P ${PRETEXTOR_MSI_DIR}/build_msi.cmake
        DEPENDS Pretextor13 ${PRETEXTOR_MSI_DIR}/pretextor.wxs ${PRETEXTOR_MSI_DIR}/build_msi.cmake
                ${PROJECT_SOURCE_DIR}/resources/pretextor.ico
        COMMENT "Building the installer ${output}"
        VERBATIM)
    add_custom_target(${target} ALL DEPENDS ${output})
endfunction()
