# SPDX-FileCopyrightText: 2026 Dividra
# SPDX-License-Identifier: GPL-3.0-or-later

# Run by CPack after each generator: writes SHA256SUMS beside the packages,
# one line for each published file, as sha256sum writes it, so that
# "sha256sum -c SHA256SUMS" checks a download. A package this generator made
# is read where CPack made it, before it is copied beside the others.
set(sums "")
foreach(name IN LISTS CPACK_DIVIDRA_PUBLISHED)
    set(path ${CPACK_PACKAGE_DIRECTORY}/${name})
    foreach(made IN LISTS CPACK_PACKAGE_FILES)
        get_filename_component(made_name ${made} NAME)
        if(made_name STREQUAL name)
            set(path ${made})
        endif()
    endforeach()
    if(EXISTS ${path})
        file(SHA256 ${path} sum)
        string(APPEND sums "${sum}  ${name}\n")
    endif()
endforeach()
file(WRITE ${CPACK_PACKAGE_DIRECTORY}/SHA256SUMS "${sums}")
