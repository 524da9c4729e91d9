# The program's DXF export handed to readers nobody here wrote: ezdxf reads and audits the
# drawing and redraws its arcs from the bulges, GDAL counts what each layer holds.
if(TARGET zorvane_dxf)
  add_executable(dxf_export_sample "${CMAKE_CURRENT_LIST_DIR}/dxf_export_sample.cpp")
  target_link_libraries(dxf_export_sample PRIVATE zorvane_dxf)
  if(TARGET dxf_tests)
    add_dependencies(dxf_tests dxf_export_sample) # built with the suite it belongs to
  endif()

  set(DXF_EXPORT_CHECK_DIR "${CMAKE_CURRENT_BINARY_DIR}/dxf_export")
  file(MAKE_DIRECTORY "${DXF_EXPORT_CHECK_DIR}")
  set(DXF_EXPORT_SAMPLE "${DXF_EXPORT_CHECK_DIR}/case.dxf" "${DXF_EXPORT_CHECK_DIR}/case.json")
  # Debian's interpreter: it has the ezdxf module.
  set(DXF_EXPORT_CHECKS /usr/bin/python3 "${CMAKE_CURRENT_LIST_DIR}/dxf_export_checks.py")

  add_test(NAME dxf_export_sample COMMAND dxf_export_sample ${DXF_EXPORT_SAMPLE})
  set_tests_properties(dxf_export_sample PROPERTIES FIXTURES_SETUP dxf_export_sample)
  add_test(NAME dxf_export_ezdxf COMMAND ${DXF_EXPORT_CHECKS} ezdxf ${DXF_EXPORT_SAMPLE})
  add_test(NAME dxf_export_ogrinfo COMMAND ${DXF_EXPORT_CHECKS} ogrinfo ${DXF_EXPORT_SAMPLE})
  set_tests_properties(dxf_export_ezdxf dxf_export_ogrinfo PROPERTIES
    FIXTURES_REQUIRED dxf_export_sample)
endif()
