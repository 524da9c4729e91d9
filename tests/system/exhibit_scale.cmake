# Court exhibits measured as a reader of the file sees them: poppler's pdftotext for the PDF,
# the SVG's own coordinates, and every distance between two points compared with the world
# distance divided by the scale.
if(TARGET zorvane-cli)
  add_test(NAME exhibit_scale
           COMMAND /usr/bin/python3 "${CMAKE_CURRENT_LIST_DIR}/exhibit_scale_checks.py"
                   "$<TARGET_FILE:zorvane-cli>" "${CMAKE_CURRENT_BINARY_DIR}/exhibit_scale")
  set_tests_properties(exhibit_scale PROPERTIES LABELS system)
endif()
