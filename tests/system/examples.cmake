# The two example cases in examples/: made again by their generator through the core, then
# drawn, exported and printed as exhibits by zorvane-cli, and every file compared byte for byte
# with the stored copy (PDFs dated by SOURCE_DATE_EPOCH so that they do not depend on the clock).
if(TARGET zorvane-cli)
  add_executable(make_examples "${PROJECT_SOURCE_DIR}/examples/make_examples.cpp")
  target_link_libraries(make_examples PRIVATE zorvane_core)
  add_test(NAME examples_reproduced
           COMMAND /usr/bin/python3 "${CMAKE_CURRENT_LIST_DIR}/examples_checks.py"
                   "$<TARGET_FILE:make_examples>" "$<TARGET_FILE:zorvane-cli>"
                   "${PROJECT_SOURCE_DIR}/examples" "${CMAKE_CURRENT_BINARY_DIR}/examples")
  set_tests_properties(examples_reproduced PROPERTIES LABELS system)
endif()
