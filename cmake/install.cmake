# cmake --install --prefix DIR lays out a self-contained program folder in DIR: the executable with
# data/, help/ and album/ beside it, as the program expects. It also puts a desktop entry and the
# icon in the user's data home ($XDG_DATA_HOME, else ~/.local/share, read when installing), so the
# program shows in the desktop's menu.
install(TARGETS vistelle RUNTIME DESTINATION .)
install(DIRECTORY resources/data/ DESTINATION data)
install(DIRECTORY resources/help/ DESTINATION help)
install(DIRECTORY DESTINATION album)
install(CODE "set(VISTELLE_ICON \"${CMAKE_SOURCE_DIR}/resources/data/vistelle.png\")")
install(SCRIPT cmake/desktop_entry.cmake)
