# Desktop integration: the menu entry, the icon (SVG, and PNG sizes drawn from it at build time
# when rsvg-convert is there), the AppStream metadata and the theme file type.
set(desktop_dir ${PROJECT_SOURCE_DIR}/desktop)

install(FILES ${desktop_dir}/${QUARROW_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop_dir}/${QUARROW_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${desktop_dir}/quarrow-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME ${QUARROW_APP_ID}.xml)
install(FILES ${desktop_dir}/quarrow.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${QUARROW_APP_ID}.svg)

find_program(RSVG_CONVERT rsvg-convert)
if(RSVG_CONVERT)
    set(icon_outputs)
    foreach(size 16 24 32 48 64 128 256)
        set(png ${CMAKE_BINARY_DIR}/icons/${size}x${size}/${QUARROW_APP_ID}.png)
        add_custom_command(OUTPUT ${png}
                           COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
                           COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${desktop_dir}/quarrow.svg
                           DEPENDS ${desktop_dir}/quarrow.svg VERBATIM)
        list(APPEND icon_outputs ${png})
        install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
    add_custom_target(quarrow_icons ALL DEPENDS ${icon_outputs})
else()
    message(STATUS "rsvg-convert not found: only the scalable icon is installed")
endif()
