# Runs inside cmake_install.cmake: the launcher and the icon for the desktop.
# ZK_SOURCE_DIR, ZK_BINARY_DIR and ZK_DATA_HOME are set just before.
if(NOT "${ZK_DATA_HOME}" STREQUAL "")
    set(data "${ZK_DATA_HOME}")
elseif(NOT "$ENV{XDG_DATA_HOME}" STREQUAL "")
    set(data "$ENV{XDG_DATA_HOME}")
else()
    set(data "$ENV{HOME}/.local/share")
endif()

get_filename_component(prefix "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
set(ZK_DESKTOP_EXEC "${prefix}/bin/zitklok")
# A path with blanks must be quoted for the desktop's Exec key.
if(ZK_DESKTOP_EXEC MATCHES "[ \t]")
    set(ZK_DESKTOP_EXEC "\"${ZK_DESKTOP_EXEC}\"")
endif()
configure_file("${ZK_SOURCE_DIR}/src/app/zitklok.desktop.in"
               "${ZK_BINARY_DIR}/install/zitklok.desktop" @ONLY)
file(INSTALL DESTINATION "${data}/applications" TYPE FILE
     FILES "${ZK_BINARY_DIR}/install/zitklok.desktop")

# The program's own picture (the one it shows at start-up) in every size drawn.
foreach(size 16 22 32 64)
    file(INSTALL DESTINATION "${data}/icons/hicolor/${size}x${size}/apps" TYPE FILE
         RENAME zitklok.png FILES "${ZK_SOURCE_DIR}/src/app/icons/image4-${size}.png")
endforeach()
