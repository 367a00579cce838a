# `make install`: the program (stripped: `cmake --install --strip`), its desktop entry, its icon,
# its manual page, its AppStream entry and the README, under CMAKE_INSTALL_PREFIX (default
# /usr/local); the Debian package installs the same under /usr. `make uninstall` removes exactly
# what the last install put there (install_manifest.txt), and the folders it created.
# Vantrel reads the client files of its working directory, so a desktop entry must start it in the
# client's folder. Set at configure time (make install CLIENT_DIR=...) or per user in a copy of the
# entry (README.md, "Install").
set(VANTREL_CLIENT_DIR "" CACHE PATH "The SETI@home client folder the desktop entry starts Vantrel in")
set(VANTREL_DESKTOP_PATH "")
if(VANTREL_CLIENT_DIR)
    set(VANTREL_DESKTOP_PATH "Path=${VANTREL_CLIENT_DIR}")
endif()
configure_file(${PROJECT_SOURCE_DIR}/src/res/vantrel.desktop.in
    ${PROJECT_BINARY_DIR}/vantrel.desktop @ONLY NEWLINE_STYLE UNIX)

# The icon in the hicolor theme: the drawing itself as the scalable icon, and its renderings at
# every size (cmake/icons.cmake) for desktops that take a PNG of the size they draw.
set(icon_dirs share/icons/hicolor/scalable/apps)
foreach(size IN LISTS VANTREL_ICON_SIZES)
    list(APPEND icon_dirs share/icons/hicolor/${size}x${size}/apps)
endforeach()

# The manual page and the software centre's entry carry the version and its date.
configure_file(${PROJECT_SOURCE_DIR}/man/vantrel.1.in ${PROJECT_BINARY_DIR}/vantrel.1 @ONLY
    NEWLINE_STYLE UNIX)
set(VANTREL_APPSTREAM_ID org.halvorn.Vantrel)
configure_file(${PROJECT_SOURCE_DIR}/src/res/vantrel.metainfo.xml.in
    ${PROJECT_BINARY_DIR}/${VANTREL_APPSTREAM_ID}.metainfo.xml @ONLY NEWLINE_STYLE UNIX)

set(VANTREL_INSTALL_DIRS bin share/applications ${icon_dirs} share/doc/vantrel share/man/man1
    share/metainfo)
install(CODE "set(VANTREL_INSTALL_DIRS \"${VANTREL_INSTALL_DIRS}\")
set(VANTREL_RECORD_DIR \"${PROJECT_BINARY_DIR}\")" COMPONENT vantrel)
install(SCRIPT ${PROJECT_SOURCE_DIR}/cmake/record_created_dirs.cmake COMPONENT vantrel)
install(TARGETS vantrel RUNTIME DESTINATION bin COMPONENT vantrel)
install(FILES ${PROJECT_BINARY_DIR}/vantrel.desktop DESTINATION share/applications
    COMPONENT vantrel)
install(FILES ${VANTREL_ICON_SVG} DESTINATION share/icons/hicolor/scalable/apps
    COMPONENT vantrel)
foreach(size IN LISTS VANTREL_ICON_SIZES)
    install(FILES ${PROJECT_BINARY_DIR}/icons/${size}x${size}/vantrel.png
        DESTINATION share/icons/hicolor/${size}x${size}/apps COMPONENT vantrel)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION share/doc/vantrel COMPONENT vantrel)
install(FILES ${PROJECT_BINARY_DIR}/vantrel.1 DESTINATION share/man/man1 COMPONENT vantrel)
install(FILES ${PROJECT_BINARY_DIR}/${VANTREL_APPSTREAM_ID}.metainfo.xml DESTINATION share/metainfo
    COMPONENT vantrel)

add_custom_target(uninstall
    COMMAND ${CMAKE_COMMAND} -DMANIFEST=${PROJECT_BINARY_DIR}/install_manifest.txt
        -P ${PROJECT_SOURCE_DIR}/cmake/uninstall.cmake
    COMMENT "Removing what `make install` installed")
