# The LibreOffice Writer report made by a real office: a headless LibreOffice of the test's own
# (own pipe, own profile, started once for this test) makes the report of a sample case of each
# mode and stores it; its OpenDocument files are read back and its PDFs turned into text.
if(NOT TARGET zorvane_uno)
  return()
endif()
find_package(ZLIB REQUIRED)
add_executable(odt_report_sample "${CMAKE_CURRENT_LIST_DIR}/odt_report_sample.cpp")
target_link_libraries(odt_report_sample PRIVATE zorvane_uno ZLIB::ZLIB)
if(TARGET report_tests)
  add_dependencies(report_tests odt_report_sample)
endif()

add_test(NAME odt_report_libreoffice
         COMMAND /usr/bin/python3 "${CMAKE_CURRENT_LIST_DIR}/odt_report_checks.py"
                 "$<TARGET_FILE:odt_report_sample>" "${CMAKE_BINARY_DIR}/bin/tq.ott"
                 "${CMAKE_CURRENT_BINARY_DIR}/odt_report")
set_tests_properties(odt_report_libreoffice PROPERTIES
                     TIMEOUT 600 RESOURCE_LOCK soffice LABELS system)

add_test(NAME writer_template_up_to_date
         COMMAND /usr/bin/python3 "${CMAKE_CURRENT_LIST_DIR}/odt_report_checks.py" template
                 "${PROJECT_SOURCE_DIR}/scripts/make_writer_template.py"
                 "${PROJECT_SOURCE_DIR}/resources/tq.ott" "${CMAKE_CURRENT_BINARY_DIR}/odt_report/template")
