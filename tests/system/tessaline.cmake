# Tessaline's drawings handed to readers nobody here wrote (ezdxf, GDAL), and the library
# checked as it is shipped: its exports, SONAME, install rules and pkg-config file.
add_executable(tessaline_sample "${CMAKE_CURRENT_LIST_DIR}/tessaline_sample.c")
target_link_libraries(tessaline_sample PRIVATE tessaline)
set_target_properties(tessaline_sample PROPERTIES
  C_STANDARD 99 C_STANDARD_REQUIRED ON C_EXTENSIONS OFF)
if(TARGET tessaline_tests)
  add_dependencies(tessaline_tests tessaline_sample) # built with the suite it belongs to
endif()

set(TESSALINE_CHECK_DIR "${CMAKE_CURRENT_BINARY_DIR}/tessaline")
file(MAKE_DIRECTORY "${TESSALINE_CHECK_DIR}")
set(TESSALINE_SAMPLE "${TESSALINE_CHECK_DIR}/sample.dxf" "${TESSALINE_CHECK_DIR}/sample.counts")
# Debian's interpreter: it has the ezdxf module.
set(TESSALINE_CHECKS /usr/bin/python3 "${CMAKE_CURRENT_LIST_DIR}/tessaline_checks.py")

add_test(NAME tessaline_sample_drawing COMMAND tessaline_sample ${TESSALINE_SAMPLE})
set_tests_properties(tessaline_sample_drawing PROPERTIES FIXTURES_SETUP tessaline_sample)

add_test(NAME tessaline_ezdxf COMMAND ${TESSALINE_CHECKS} ezdxf ${TESSALINE_SAMPLE})
add_test(NAME tessaline_ogrinfo COMMAND ${TESSALINE_CHECKS} ogrinfo ${TESSALINE_SAMPLE})
set_tests_properties(tessaline_ezdxf tessaline_ogrinfo PROPERTIES
  FIXTURES_REQUIRED tessaline_sample)

add_test(NAME tessaline_exports COMMAND ${TESSALINE_CHECKS} exports "$<TARGET_FILE:tessaline>")
add_test(NAME tessaline_install
         COMMAND ${TESSALINE_CHECKS} install "${CMAKE_BINARY_DIR}"
                 "${TESSALINE_CHECK_DIR}/installed" "${CMAKE_CURRENT_LIST_DIR}/tessaline_sample.c")
