# Run with cmake -P. Regenerates the Munsell tables from SOURCE into WORK_DIR
# with GENERATOR and checks that each file in TABLES is byte-identical to the
# committed copy in EXPECTED_DIR.
foreach(var GENERATOR SOURCE EXPECTED_DIR WORK_DIR TABLES)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "check_munsell_tables.cmake: ${var} is not set")
  endif()
endforeach()

if(NOT EXISTS "${SOURCE}")
  # Matched by the test's SKIP_REGULAR_EXPRESSION.
  message("MUNSELL SOURCE DATA NOT FOUND: ${SOURCE}; skipping the comparison")
  return()
endif()

file(REMOVE_RECURSE "${WORK_DIR}")
execute_process(COMMAND "${GENERATOR}" "${SOURCE}" "${WORK_DIR}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the generator failed (${status})")
endif()

set(stale "")
foreach(table IN LISTS TABLES)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files
    "${WORK_DIR}/${table}" "${EXPECTED_DIR}/${table}" RESULT_VARIABLE differs)
  if(NOT differs EQUAL 0)
    list(APPEND stale "${table}")
  endif()
endforeach()
if(stale)
  message(FATAL_ERROR "out of date with the source data: ${stale}\n"
    "Regenerate with: cmake --build <build> --target munsell-tables-regenerate")
endif()
message(STATUS "Munsell tables match the source data")
