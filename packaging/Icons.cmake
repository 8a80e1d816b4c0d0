# SPDX-License-Identifier: GPL-3.0-or-later
# The window's icon at each size the desktop asks for, rendered at build time from its one master,
# app/resources/icon.svg, with rsvg-convert (librsvg2-bin). The PNGs become the window's icon (in
# its resources) and, with the SVG, the desktop icon (hicolor theme). Included by app/.
include(GNUInstallDirs)
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(icon_master ${PROJECT_SOURCE_DIR}/app/resources/icon.svg)
set(icon_dir ${PROJECT_BINARY_DIR}/icons)
set(icon_sizes 16 22 24 32 48 64 128 256)

set(icon_files)
foreach(size ${icon_sizes})
    set(folder ${icon_dir}/${size}x${size})
    add_custom_command(OUTPUT ${folder}/${FAULTWISE_APP_ID}.png
        COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
        COMMAND ${RSVG_CONVERT} --width ${size} --height ${size}
            --output ${folder}/${FAULTWISE_APP_ID}.png ${icon_master}
        DEPENDS ${icon_master}
        VERBATIM)
    list(APPEND icon_files ${folder}/${FAULTWISE_APP_ID}.png)
    install(FILES ${folder}/${FAULTWISE_APP_ID}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps COMPONENT window)
endforeach()
install(FILES ${icon_master} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${FAULTWISE_APP_ID}.svg COMPONENT window)
qt_add_resources(faultwise_app_lib "faultwise_icons" PREFIX "/faultwise/icons" BASE ${icon_dir}
    FILES ${icon_files})

# `cmake --build build --target logo` redraws the About logo in the source tree from the master.
add_custom_target(logo
    COMMAND ${RSVG_CONVERT} --width 96 --height 96 --output ${icon_dir}/logo-icon.png ${icon_master}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:make_logo>
        ${icon_dir}/logo-icon.png ${PROJECT_SOURCE_DIR}/app/resources/logo.png
    DEPENDS make_logo ${icon_master}
    COMMENT "Drawing app/resources/logo.png"
    VERBATIM)
