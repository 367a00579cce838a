# The icon is drawn once, as src/res/vantrel.svg. At build time rsvg-convert renders it at every
# size the icon theme uses, and those renderings go into a source file that gives the running
# windows the same picture at every size.
#   VANTREL_ICON_SVG      the drawing
#   VANTREL_ICON_SIZES    the square sizes rendered for the hicolor theme
#   VANTREL_ICON_PNGS     build/icons/<N>x<N>/vantrel.png, one per size
#   VANTREL_WINDOW_ICON_SOURCE   the generated source that holds the window's icon
find_program(VANTREL_RSVG_CONVERT rsvg-convert)
if(NOT VANTREL_RSVG_CONVERT)
    message(FATAL_ERROR "rsvg-convert renders the icon: install the Debian package librsvg2-bin "
        "(scripts/install-deps does)")
endif()

set(VANTREL_ICON_SVG ${PROJECT_SOURCE_DIR}/src/res/vantrel.svg)
set(VANTREL_ICON_SIZES 16 22 24 32 48 64 128 256)
set(VANTREL_ICON_PNGS "")
foreach(size IN LISTS VANTREL_ICON_SIZES)
    set(png ${PROJECT_BINARY_DIR}/icons/${size}x${size}/vantrel.png)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/icons/${size}x${size}
        COMMAND ${VANTREL_RSVG_CONVERT} --width=${size} --height=${size} --format=png
            --output=${png} ${VANTREL_ICON_SVG}
        DEPENDS ${VANTREL_ICON_SVG}
        COMMENT "Rendering the icon at ${size}x${size}")
    list(APPEND VANTREL_ICON_PNGS ${png})
endforeach()

set(VANTREL_WINDOW_ICON_SOURCE ${PROJECT_BINARY_DIR}/generated/window_icon_png.cpp)
# A command's argument can't hold a list's semicolons: the script gets the files joined by "|".
string(REPLACE ";" "|" icon_pngs_joined "${VANTREL_ICON_PNGS}")
add_custom_command(OUTPUT ${VANTREL_WINDOW_ICON_SOURCE}
    COMMAND ${CMAKE_COMMAND} -DINPUTS=${icon_pngs_joined}
        -DOUTPUT=${VANTREL_WINDOW_ICON_SOURCE} -DHEADER=res/window_icon.h
        -P ${PROJECT_SOURCE_DIR}/cmake/embed_icons.cmake
    DEPENDS ${VANTREL_ICON_PNGS} ${PROJECT_SOURCE_DIR}/cmake/embed_icons.cmake
    COMMENT "Embedding the window's icon"
    VERBATIM)
# Every size for the install, and the source for targets in other folders (the soak build).
add_custom_target(vantrel_icons ALL DEPENDS ${VANTREL_ICON_PNGS} ${VANTREL_WINDOW_ICON_SOURCE})
