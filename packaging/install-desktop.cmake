# Run at install time: the desktop entry names the folder chosen then.
file(READ "${CMAKE_CURRENT_LIST_DIR}/tarvo.desktop.in" entry)
string(REPLACE "TARVO_FOLDER" "${CMAKE_INSTALL_PREFIX}" entry "${entry}")
set(target "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/share/applications/tarvo.desktop")
message(STATUS "Installing: ${target}")
file(WRITE "${target}" "${entry}")
