# The libFuzzer targets, one fuzz_<name>.cpp each; a seed corpus may sit in corpus/<name>.
set(ZORVANE_FUZZ_TARGETS
  fuzz_case_file
  fuzz_coordinate_import
  fuzz_dxf_options
  fuzz_jpeg
  fuzz_parse_length
  fuzz_total_station_import
)
