# Runs at install time: the desktop entry and icon in the user's data home, pointing at the
# executable just installed under CMAKE_INSTALL_PREFIX.
if(DEFINED ENV{XDG_DATA_HOME} AND IS_ABSOLUTE "$ENV{XDG_DATA_HOME}")
  set(data_home "$ENV{XDG_DATA_HOME}")
else()
  set(data_home "$ENV{HOME}/.local/share")
endif()
get_filename_component(program "${CMAKE_INSTALL_PREFIX}/vistelle" ABSOLUTE)

# Exec takes a quoted path: inside the quotes \ " ` $ are escaped, then every \ once more as the
# file's own string escape; a % stands doubled.
set(exec "${program}")
string(REPLACE "\\" "\\\\" exec "${exec}")
foreach(c "\"" "`" "$")
  string(REPLACE "${c}" "\\${c}" exec "${exec}")
endforeach()
string(REPLACE "\\" "\\\\" exec "${exec}")
string(REPLACE "%" "%%" exec "${exec}")

set(entry "[Desktop Entry]
Type=Application
Name=Vistelle
GenericName=Screenshot viewer
Comment=Lists, views and edits Pelmar Online screenshots
Exec=\"${exec}\"
Icon=vistelle
Terminal=false
Categories=Graphics;Viewer;
")
set(applications "$ENV{DESTDIR}${data_home}/applications")
message(STATUS "Installing: ${applications}/vistelle.desktop")
file(WRITE "${applications}/vistelle.desktop" "${entry}")
file(INSTALL "${VISTELLE_ICON}" DESTINATION "$ENV{DESTDIR}${data_home}/icons/hicolor/32x32/apps")
