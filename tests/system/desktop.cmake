# The desktop's view of an installed Zorvane: the menu entry, the case file type found by name
# and by content, its icon, and the program a double-click starts, as the freedesktop tools
# (update-mime-database, gio, xdg-mime) see them after cmake --install into a prefix.
add_test(NAME zorvane_desktop_integration
         COMMAND /usr/bin/python3 "${CMAKE_CURRENT_LIST_DIR}/desktop_checks.py" "${CMAKE_BINARY_DIR}"
                 "${CMAKE_CURRENT_BINARY_DIR}/desktop_installed"
                 "${PROJECT_SOURCE_DIR}/examples/junction-collision/junction-collision.zvr")
set_tests_properties(zorvane_desktop_integration PROPERTIES LABELS system)
