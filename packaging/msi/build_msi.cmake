# Runs wixl on pretextor.wxs, then gives the package the code of what it holds: wixl draws a
# random one on every run, and the same files must make the same package.
# Called by pretextor_add_msi (msi.cmake) with WIXL MSIBUILD SOURCE OUTPUT WORK VERSION
# PRODUCT_CODE TITLE SHORTCUT_NAME PUBLISHER DESCRIPTION PROGRAM ICON defined.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

# wixl takes its inputs by names relative to the source's folder. The cabinet records the
# program's modification time.
file(COPY_FILE ${SOURCE} ${WORK}/pretextor.wxs)
file(COPY_FILE ${ICON} ${WORK}/pretextor.ico)
file(COPY_FILE ${PROGRAM} ${WORK}/Pretextor13.exe)
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    execute_process(COMMAND touch -d @$ENV{SOURCE_DATE_EPOCH} ${WORK}/Pretextor13.exe
                    COMMAND_ERROR_IS_FATAL ANY)
endif()

set(contents "${VERSION}")
foreach(file ${SOURCE} ${PROGRAM} ${ICON})
    file(SHA256 ${file} hash)
    string(APPEND contents " ${hash}")
endforeach()
string(UUID package_code NAMESPACE ${PRODUCT_CODE} NAME "${contents}" TYPE SHA1 UPPER)

set(description "${TITLE} ${VERSION}")
execute_process(
    COMMAND ${WIXL} --arch x64 -o ${WORK}/package.msi
        -D Version=${VERSION} -D ProductCode=${PRODUCT_CODE} -D Title=${TITLE}
        -D ShortcutName=${SHORTCUT_NAME} -D Publisher=${PUBLISHER} -D Description=${DESCRIPTION}
        -D Program=Pretextor13.exe -D Icon=pretextor.ico
        pretextor.wxs
    WORKING_DIRECTORY ${WORK}
    ERROR_VARIABLE complaints
    COMMAND_ERROR_IS_FATAL ANY)
# wixl passes over what it does not know with a warning, and the package would lack it.
if(complaints)
    message(FATAL_ERROR "wixl: ${complaints}")
endif()
execute_process(
    COMMAND ${MSIBUILD} ${WORK}/package.msi -s "${description}" ${PUBLISHER} "x64;1033"
        "{${package_code}}"
    COMMAND_ERROR_IS_FATAL ANY)
file(RENAME ${WORK}/package.msi ${OUTPUT})
