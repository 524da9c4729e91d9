# Tessaline measured through its C interface, against dxflib, the generic DXF library.
# The library stands alone, so its benchmark links neither the program's core nor its UI.
find_package(PkgConfig REQUIRED)
pkg_check_modules(DXFLIB REQUIRED IMPORTED_TARGET dxflib)
set_property(TARGET bench_tessaline PROPERTY LINK_LIBRARIES "")
target_link_libraries(bench_tessaline PRIVATE tessaline benchmark::benchmark PkgConfig::DXFLIB)
