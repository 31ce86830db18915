# SPDX-FileCopyrightText: 2026 Dividra
# SPDX-License-Identifier: GPL-3.0-or-later

# Run by CPack after each generator: writes SHA256SUMS beside the packages,
# one line for each published file that exists, as sha256sum writes it, so
# that "sha256sum -c SHA256SUMS" checks a download.
set(sums "")
foreach(file IN LISTS CPACK_DIVIDRA_PUBLISHED)
    if(EXISTS ${CPACK_PACKAGE_DIRECTORY}/${file})
        file(SHA256 ${CPACK_PACKAGE_DIRECTORY}/${file} sum)
        string(APPEND sums "${sum}  ${file}\n")
    endif()
endforeach()
file(WRITE ${CPACK_PACKAGE_DIRECTORY}/SHA256SUMS "${sums}")
