# SPDX-FileCopyrightText: 2026 Dividra
# SPDX-License-Identifier: GPL-3.0-or-later

# Run by CPack after each generator: writes SHA256SUMS beside the packages,
# one line for each published file, as sha256sum writes it, so that
# "sha256sum -c SHA256SUMS" checks a download. A package this generator made
# is read where CPack made it, before it is copied beside the others. It is
# written once the last generator has run, and a published file that is
# missing then is an error, not a shorter list.
list(GET CPACK_DIVIDRA_GENERATORS -1 last)
if(NOT CPACK_GENERATOR STREQUAL last)
    return()
endif()
set(sums "")
foreach(name IN LISTS CPACK_DIVIDRA_PUBLISHED)
    set(path ${CPACK_PACKAGE_DIRECTORY}/${name})
    foreach(made IN LISTS CPACK_PACKAGE_FILES)
        get_filename_component(made_name ${made} NAME)
        if(made_name STREQUAL name)
            set(path ${made})
        endif()
    endforeach()
    if(NOT EXISTS ${path})
        message(FATAL_ERROR "SHA256SUMS: ${name} is missing (no ${path})")
    endif()
    file(SHA256 ${path} sum)
    string(APPEND sums "${sum}  ${name}\n")
endforeach()
file(WRITE ${CPACK_PACKAGE_DIRECTORY}/SHA256SUMS "${sums}")
