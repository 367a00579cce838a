# Runs at install time, before any file is copied: notes every folder the install is about to
# create (the folders of VANTREL_INSTALL_DIRS under the prefix, and their missing parents), so
# that uninstalling can remove exactly those once they are empty again. The notes of earlier
# installs are kept.
set(record "${VANTREL_RECORD_DIR}/install_created_dirs.txt")
if(CMAKE_INSTALL_COMPONENT)
    set(record "${VANTREL_RECORD_DIR}/install_created_dirs_${CMAKE_INSTALL_COMPONENT}.txt")
endif()
set(created "")
if(EXISTS "${record}")
    file(STRINGS "${record}" created)
endif()
foreach(dir IN LISTS VANTREL_INSTALL_DIRS)
    set(path "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${dir}")
    while(NOT EXISTS "${path}" AND NOT path STREQUAL "/" AND NOT path STREQUAL "")
        list(APPEND created "${path}")
        get_filename_component(path "${path}" DIRECTORY)
    endwhile()
endforeach()
list(REMOVE_DUPLICATES created)
list(JOIN created "\n" text)
file(WRITE "${record}" "${text}\n")
