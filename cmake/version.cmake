# The version is written once, in the text `vantrel --version` prints (src/res/names.h), and the
# date of its release once, here. The build, the manual page, the AppStream release and the
# package's changelog entry (scripts/make-deb, through `cmake -P` on this file) all take them from
# here, so none of them can name another version.
set(VANTREL_RELEASE_DATE 2026-12-08)

file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/../src/res/names.h vantrel_version_line
    REGEX "kAboutVersion\\[\\] = \"Vantrel Version [0-9]+\\.[0-9]+\"")
if(NOT vantrel_version_line MATCHES "Version ([0-9]+\\.[0-9]+)")
    message(FATAL_ERROR "src/res/names.h: no \"Vantrel Version N.N\" in kAboutVersion")
endif()
set(VANTREL_VERSION ${CMAKE_MATCH_1})

# cmake -P cmake/version.cmake: both, on one line.
if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
    execute_process(COMMAND ${CMAKE_COMMAND} -E echo "${VANTREL_VERSION} ${VANTREL_RELEASE_DATE}")
endif()
