# Linux desktop integration: man pages, the menu entry, the AppStream
# description, the channel file type and the icons.

set(generated ${CMAKE_CURRENT_BINARY_DIR}/generated)
file(MAKE_DIRECTORY ${generated}/man)

# Man pages, compressed as Debian wants them.
set(man_pages)
foreach(page q716 q716-cli q716-sim)
  add_custom_command(OUTPUT ${generated}/man/${page}.1.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/docs/man/${page}.1 ${generated}/man/${page}.1
    COMMAND gzip -9nf ${generated}/man/${page}.1
    DEPENDS ${PROJECT_SOURCE_DIR}/docs/man/${page}.1 VERBATIM)
  list(APPEND man_pages ${generated}/man/${page}.1.gz)
endforeach()
install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# Menu entry, AppStream description and the channel file type.
configure_file(q716.desktop.in ${generated}/${Q716_APP_ID}.desktop @ONLY)
configure_file(q716.metainfo.xml.in ${generated}/${Q716_APP_ID}.metainfo.xml @ONLY)
configure_file(q716-mime.xml.in ${generated}/${Q716_APP_ID}.xml @ONLY)
install(FILES ${generated}/${Q716_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${generated}/${Q716_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${generated}/${Q716_APP_ID}.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

# Icons: the logo itself, plus PNG renderings for desktops that want pixels.
add_executable(q716-render-icon RenderIcon.cpp)
target_link_libraries(q716-render-icon PRIVATE Qt6::Gui Qt6::Svg)
set(logo ${PROJECT_SOURCE_DIR}/resources/images/logo.svg)
set(icons_dir ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
set(png_icons)
foreach(size 48 128 256)
  set(png ${generated}/icons/${size}x${size}/${Q716_APP_ID}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${generated}/icons/${size}x${size}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:q716-render-icon> ${logo} ${png} ${size}
    DEPENDS q716-render-icon ${logo} VERBATIM)
  list(APPEND png_icons ${png})
  install(FILES ${png} DESTINATION ${icons_dir}/${size}x${size}/apps)
endforeach()
install(FILES ${logo} DESTINATION ${icons_dir}/scalable/apps RENAME ${Q716_APP_ID}.svg)

add_custom_target(q716-desktop-files ALL DEPENDS ${png_icons} ${man_pages})
