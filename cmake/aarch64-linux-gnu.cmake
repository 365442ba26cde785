# Cross-builds the Linux program for Debian arm64 (Raspberry Pi 4 and 5, ARM laptops) from the
# machine's own multiarch packages, and runs the cross-built tests under qemu-user. moc and rcc
# are the machine's own: Qt's host tools come from /usr.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
set(PRETEXTOR_DEBIAN_ARCH arm64)

set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(QT_HOST_PATH /usr)
# pkg-config with arm64's search path, not the machine's.
find_program(PKG_CONFIG_EXECUTABLE aarch64-linux-gnu-pkg-config)

# Say at once what this machine lacks, rather than fail later on the first piece it misses.
find_program(PRETEXTOR_QEMU qemu-aarch64)
set(missing)
execute_process(COMMAND dpkg --print-foreign-architectures OUTPUT_VARIABLE foreign ERROR_QUIET)
if(NOT foreign MATCHES "(^|\n)arm64(\n|$)")
    list(APPEND missing "the arm64 architecture (dpkg --add-architecture arm64)")
endif()
find_program(PRETEXTOR_CROSS_COMPILER ${CMAKE_CXX_COMPILER})
if(NOT PRETEXTOR_CROSS_COMPILER)
    list(APPEND missing "${CMAKE_CXX_COMPILER} (crossbuild-essential-arm64)")
endif()
if(NOT PRETEXTOR_QEMU)
    list(APPEND missing "qemu-aarch64 (qemu-user)")
endif()
if(NOT EXISTS /usr/lib/${CMAKE_LIBRARY_ARCHITECTURE}/cmake/Qt6/Qt6Config.cmake)
    list(APPEND missing "Qt 6 for arm64 (qt6-base-dev:arm64)")
endif()
if(missing)
    list(JOIN missing ", " missing)
    # The leading space keeps CMake from wrapping it: one line says it all.
    message(FATAL_ERROR " linux-arm64 lacks ${missing}; scripts/build-arm64.sh installs them (as root).")
endif()

set(CMAKE_CROSSCOMPILING_EMULATOR ${PRETEXTOR_QEMU})
