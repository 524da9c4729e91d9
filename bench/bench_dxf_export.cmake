# The DXF export needs the core and the writer library, not the windows.
set_property(TARGET bench_dxf_export PROPERTY LINK_LIBRARIES "")
target_link_libraries(bench_dxf_export PRIVATE zorvane_dxf benchmark::benchmark)
