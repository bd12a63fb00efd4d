# Installation for one person. The log actions.dat lives beside the program, so
# the program's folder must be writable: unless a prefix is given, everything goes
# under the home folder, the programs in <prefix>/bin. The launcher and the icons
# go where the desktop looks for a person's own (ZITKLOK_DATA_HOME; when empty,
# $XDG_DATA_HOME or ~/.local/share as found at install time).
# A build folder configured before these rules holds CMake's own default.
if(NOT DEFINED CACHE{ZITKLOK_DATA_HOME} AND CMAKE_INSTALL_PREFIX STREQUAL "/usr/local")
    set(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT ON)
endif()
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT AND NOT "$ENV{HOME}" STREQUAL "")
    set(CMAKE_INSTALL_PREFIX "$ENV{HOME}/.local/opt/zitklok"
        CACHE PATH "Install prefix; the log is kept in <prefix>/bin" FORCE)
endif()
set(ZITKLOK_DATA_HOME "" CACHE PATH
    "Where the launcher and icons go (empty: $XDG_DATA_HOME or ~/.local/share at install time)")

foreach(program zitklok zitklok-report zitklok-report-chart)
    if(TARGET ${program})
        install(TARGETS ${program} RUNTIME DESTINATION bin)
    endif()
endforeach()

if(TARGET zitklok)
    # Written at install time, so that `cmake --install --prefix` puts the
    # right path into the launcher.
    install(CODE "set(ZK_SOURCE_DIR \"${PROJECT_SOURCE_DIR}\")
                  set(ZK_BINARY_DIR \"${PROJECT_BINARY_DIR}\")
                  set(ZK_DATA_HOME \"${ZITKLOK_DATA_HOME}\")")
    install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/InstallDesktopEntry.cmake)
endif()

# Removes what the last install wrote (install_manifest.txt); the log stays.
add_custom_target(uninstall
    COMMAND ${CMAKE_COMMAND} -DMANIFEST=${PROJECT_BINARY_DIR}/install_manifest.txt
            -P ${CMAKE_CURRENT_LIST_DIR}/Uninstall.cmake
    COMMENT "Removing the installed files"
    VERBATIM)
