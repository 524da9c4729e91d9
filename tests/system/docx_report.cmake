# The Word report read by a program nobody here wrote: LibreOffice converts a sample report of
# each mode to PDF, and the case name, the grid titles and every point number must show.
add_executable(docx_report_sample "${CMAKE_CURRENT_LIST_DIR}/docx_report_sample.cpp")
find_package(ZLIB REQUIRED)
target_link_libraries(docx_report_sample PRIVATE zorvane_reports ZLIB::ZLIB)
if(TARGET report_tests)
  add_dependencies(report_tests docx_report_sample) # built with the suite it belongs to
endif()

foreach(mode IN ITEMS xyz polar nesw)
  add_test(NAME docx_report_libreoffice_${mode}
           COMMAND /usr/bin/python3 "${CMAKE_CURRENT_LIST_DIR}/docx_report_checks.py"
                   "$<TARGET_FILE:docx_report_sample>" "${CMAKE_BINARY_DIR}/bin/tq.dotx" ${mode}
                   "${CMAKE_CURRENT_BINARY_DIR}/docx_report/${mode}")
  # LibreOffice is heavy: one conversion at a time.
  set_tests_properties(docx_report_libreoffice_${mode} PROPERTIES
                       TIMEOUT 300 RESOURCE_LOCK soffice LABELS system)
endforeach()

add_test(NAME word_template_up_to_date
         COMMAND /usr/bin/python3 "${CMAKE_CURRENT_LIST_DIR}/docx_report_checks.py" template
                 "${PROJECT_SOURCE_DIR}/scripts/make_word_template.py"
                 "${PROJECT_SOURCE_DIR}/resources/tq.dotx" "${CMAKE_CURRENT_BINARY_DIR}/docx_report/template")
