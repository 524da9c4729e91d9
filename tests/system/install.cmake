# The program as a user installs it: cmake --install into a prefix, then run from there. The
# installed program finds its data in share/zorvane and Tessaline in lib.
add_test(NAME zorvane_install
         COMMAND /usr/bin/python3 "${CMAKE_CURRENT_LIST_DIR}/install_checks.py" "${CMAKE_BINARY_DIR}"
                 "${CMAKE_CURRENT_BINARY_DIR}/zorvane_installed")
set_tests_properties(zorvane_install PROPERTIES LABELS system)
