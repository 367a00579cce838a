# `make install`: the program, its desktop entry, its icon and the README, under
# CMAKE_INSTALL_PREFIX (default /usr/local). `make uninstall` removes exactly what the last install
# put there (install_manifest.txt), and the folders it created.
if(NOT TARGET vantrel)
    return()
endif()

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

# The icon as a 32x32 PNG for the icon theme, converted from the program's own XPM; without
# ImageMagick the XPM goes to the legacy pixmaps folder, where Icon=vantrel finds it as well.
find_program(VANTREL_CONVERT convert)
set(icon_xpm ${PROJECT_SOURCE_DIR}/src/res/vantrel_icon.xpm)
if(VANTREL_CONVERT)
    set(icon_file ${PROJECT_BINARY_DIR}/vantrel.png)
    set(icon_name vantrel.png)
    set(icon_dir share/icons/hicolor/32x32/apps)
    add_custom_command(OUTPUT ${icon_file}
        COMMAND ${VANTREL_CONVERT} ${icon_xpm} -strip ${icon_file}
        DEPENDS ${icon_xpm}
        COMMENT "Converting the icon to PNG")
    add_custom_target(vantrel_icon ALL DEPENDS ${icon_file})
else()
    set(icon_file ${icon_xpm})
    set(icon_name vantrel.xpm)
    set(icon_dir share/pixmaps)
endif()

set(VANTREL_INSTALL_DIRS bin share/applications ${icon_dir} share/doc/vantrel)
install(CODE "set(VANTREL_INSTALL_DIRS \"${VANTREL_INSTALL_DIRS}\")
set(VANTREL_RECORD_DIR \"${PROJECT_BINARY_DIR}\")" COMPONENT vantrel)
install(SCRIPT ${PROJECT_SOURCE_DIR}/cmake/record_created_dirs.cmake COMPONENT vantrel)
install(TARGETS vantrel RUNTIME DESTINATION bin COMPONENT vantrel)
install(FILES ${PROJECT_BINARY_DIR}/vantrel.desktop DESTINATION share/applications
    COMPONENT vantrel)
install(FILES ${icon_file} DESTINATION ${icon_dir} RENAME ${icon_name}
    COMPONENT vantrel)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION share/doc/vantrel COMPONENT vantrel)

add_custom_target(uninstall
    COMMAND ${CMAKE_COMMAND} -DMANIFEST=${PROJECT_BINARY_DIR}/install_manifest.txt
        -P ${PROJECT_SOURCE_DIR}/cmake/uninstall.cmake
    COMMENT "Removing what `make install` installed")
