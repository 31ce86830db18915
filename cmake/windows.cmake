# SPDX-FileCopyrightText: 2026 Dividra
# SPDX-License-Identifier: GPL-3.0-or-later

# The application's cross build for 64-bit Windows: Debian's MinGW-w64 and the
# static Qt that scripts/windows-qt builds, whose prefix DIVIDRA_WINDOWS_QT
# names (as a cache variable or in the environment). The programs are linked
# statically, so that they need no MinGW runtime DLL, and run under Wine.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake)

if(NOT DIVIDRA_WINDOWS_QT)
    set(DIVIDRA_WINDOWS_QT "$ENV{DIVIDRA_WINDOWS_QT}")
endif()
if(NOT EXISTS "${DIVIDRA_WINDOWS_QT}/lib/cmake/Qt6/Qt6Config.cmake")
    message(FATAL_ERROR "DIVIDRA_WINDOWS_QT must name Qt for Windows (scripts/windows-qt prints it); "
        "it is \"${DIVIDRA_WINDOWS_QT}\"")
endif()
set(CMAKE_TRY_COMPILE_PLATFORM_VARIABLES DIVIDRA_WINDOWS_QT)
# A build folder configured before against another Qt (an older recipe's)
# would go on finding that one through the package folders it cached.
get_cmake_property(cached CACHE_VARIABLES)
foreach(name IN LISTS cached)
    if(name MATCHES "^Qt6.*_DIR$")
        string(FIND "${${name}}" "${DIVIDRA_WINDOWS_QT}/" at)
        if(NOT at EQUAL 0)
            unset(${name} CACHE)
        endif()
    endif()
endforeach()
# Searched with the MinGW root's rules: CMAKE_PREFIX_PATH would not be.
list(APPEND CMAKE_FIND_ROOT_PATH "${DIVIDRA_WINDOWS_QT}")

# Stripped, and with no link time in the PE header: what is published is
# small, and two builds of one commit are alike.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -s -Wl,--no-insert-timestamp")
# QTest programs run under Wine, their output shown.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tests/windows/wine-test.sh)
