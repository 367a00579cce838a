# The interface's translations. Its texts are written in Japanese in src/res/strings.h and in the
# dialog templates; po/en.po holds their English. At build time:
#   - xgettext extracts every literal of those files into build/po/vantrel.pot, the catalog
#     template a translator merges into po/en.po (`make update-po`) and the translation check
#     compares po/en.po with;
#   - msgfmt compiles po/en.po, checking that each translation keeps its format's conversions,
#     and the compiled catalog goes into the program (VANTREL_ENGLISH_CATALOG_SOURCE).
find_program(VANTREL_MSGFMT msgfmt)
find_program(VANTREL_XGETTEXT xgettext)
if(NOT VANTREL_MSGFMT OR NOT VANTREL_XGETTEXT)
    message(FATAL_ERROR "msgfmt and xgettext build the translations: install the Debian package "
        "gettext (scripts/install-deps does)")
endif()

set(VANTREL_TEXT_SOURCES
    ${PROJECT_SOURCE_DIR}/src/res/strings.h
    ${PROJECT_SOURCE_DIR}/src/res/templates.cpp
    ${PROJECT_SOURCE_DIR}/src/res/history_template.cpp)
set(VANTREL_POT ${PROJECT_BINARY_DIR}/po/vantrel.pot)
set(VANTREL_ENGLISH_PO ${PROJECT_SOURCE_DIR}/po/en.po)
set(VANTREL_ENGLISH_MO ${PROJECT_BINARY_DIR}/po/en.mo)
set(VANTREL_ENGLISH_CATALOG_SOURCE ${PROJECT_BINARY_DIR}/generated/english_catalog.cpp)

# Every literal is a text to translate; the templates' empty texts are not, and xgettext's warning
# about them is noise.
add_custom_command(OUTPUT ${VANTREL_POT}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/po
    COMMAND ${VANTREL_XGETTEXT} --extract-all --language=C++ --from-code=UTF-8
        --package-name=Vantrel --package-version=${PROJECT_VERSION} --no-location
        --output=${VANTREL_POT} ${VANTREL_TEXT_SOURCES} 2>/dev/null
    DEPENDS ${VANTREL_TEXT_SOURCES}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    # Not VERBATIM: the shell takes the redirection.
    COMMENT "Extracting the texts to translate")
add_custom_command(OUTPUT ${VANTREL_ENGLISH_MO}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/po
    COMMAND ${VANTREL_MSGFMT} --check --output-file=${VANTREL_ENGLISH_MO} ${VANTREL_ENGLISH_PO}
    DEPENDS ${VANTREL_ENGLISH_PO}
    COMMENT "Compiling the English catalog"
    VERBATIM)
add_custom_command(OUTPUT ${VANTREL_ENGLISH_CATALOG_SOURCE}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${VANTREL_ENGLISH_MO}
        -DOUTPUT=${VANTREL_ENGLISH_CATALOG_SOURCE} -DHEADER=res/english_catalog.h
        -DNAME=kEnglishCatalog -P ${PROJECT_SOURCE_DIR}/cmake/embed_file.cmake
    DEPENDS ${VANTREL_ENGLISH_MO} ${PROJECT_SOURCE_DIR}/cmake/embed_file.cmake
    COMMENT "Embedding the English catalog"
    VERBATIM)
add_custom_target(vantrel_translations ALL
    DEPENDS ${VANTREL_POT} ${VANTREL_ENGLISH_CATALOG_SOURCE})
