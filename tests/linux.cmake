# SPDX-FileCopyrightText: 2026 Dividra
# SPDX-License-Identifier: GPL-3.0-or-later

# The Linux build's own tests, each with why it is Linux's; all carry the
# label "linux", which the Windows test preset leaves out.
get_property(dividra_common_tests DIRECTORY PROPERTY TESTS)

# The packaging files are checked by the desktop's own validators, and the
# Windows resource script is compiled, so that none of them can rot: Linux
# files, and the resource script that the Windows build compiles for real.
dividra_add_tool_test(desktop_entry_valid desktop-file-validate COMMAND desktop-file-validate
    ${PROJECT_BINARY_DIR}/packaging/${DIVIDRA_APP_ID}.desktop)
dividra_add_tool_test(metainfo_valid appstreamcli COMMAND appstreamcli validate --no-net
    ${PROJECT_BINARY_DIR}/packaging/${DIVIDRA_APP_ID}.metainfo.xml)
dividra_add_tool_test(windows_resource_compiles x86_64-w64-mingw32-windres COMMAND x86_64-w64-mingw32-windres
    --preprocessor=${CMAKE_CXX_COMPILER} --preprocessor-arg=-E --preprocessor-arg=-xc
    --preprocessor-arg=-DRC_INVOKED
    -i ${PROJECT_BINARY_DIR}/packaging/dividra.rc -O coff
    -o ${CMAKE_CURRENT_BINARY_DIR}/dividra.res)

# The artwork generator, a tool of the Linux build, exits 1 on a layout
# that does not fit.
add_test(NAME artwork_refuses_a_layout_that_does_not_fit
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/artwork_does_not_fit.sh $<TARGET_FILE:dividra_artwork>)

# The window as the application starts it, ending after its first paint:
# the files it opens, seen by strace, and a Wayland desktop, both Linux's.
qt_add_executable(firstpaint firstpaint.cpp)
target_link_libraries(firstpaint PRIVATE dividra_window dividra_runtime)
dividra_add_tool_test(startup_opens_no_picture_or_image_plugin strace
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/startup_files.sh $<TARGET_FILE:firstpaint>)
dividra_add_tool_test(wayland_native_client weston
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/wayland.sh $<TARGET_FILE:firstpaint>)

# Application objects made inside test functions, whose event loop never
# runs under QTest on Windows (there windows_window_under_wine starts the
# real executable).
dividra_add_test(tst_startup SOURCES tst_startup.cpp LIBRARIES dividra_window dividra_runtime)

# Qt's private API (qt6-base-private-dev) turns accessibility on as a
# screen reader would, through Qt's AT-SPI bridge, Linux's.
dividra_add_test(tst_accessibility SOURCES tst_accessibility.cpp formfixture.h
    LIBRARIES dividra_window dividra_runtime Qt6::GuiPrivate)

# The README's first command on fresh minimal Debian roots, the current
# stable among them, and the package built here installed into others.
# They act as root, need the network's Debian mirror and take minutes: they
# run only when their preset asks (scripts/test does, after cpack).
foreach(release bookworm trixie)
    add_test(NAME fresh_root_${release} COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/fresh-root.sh ${release}
        ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR}/${DIVIDRA_DEB} ${DIVIDRA_EXECUTABLE})
    set_tests_properties(fresh_root_${release} PROPERTIES LABELS fresh-root SKIP_RETURN_CODE 77 TIMEOUT 1500)
endforeach()

get_property(dividra_linux_tests DIRECTORY PROPERTY TESTS)
list(REMOVE_ITEM dividra_linux_tests ${dividra_common_tests})
set_property(TEST ${dividra_linux_tests} APPEND PROPERTY LABELS linux)
