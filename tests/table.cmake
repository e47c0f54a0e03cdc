# Tests of src/table and of qolvar-cli's table commands.
add_executable(table_tests
  table/entry_test.cpp
  table/textio_test.cpp
  table/swatch_test.cpp
  table/gpl_test.cpp
  table/ase_test.cpp
  table/sort_test.cpp
  table/document_test.cpp
  table/robustness_test.cpp
  table/cli_table_test.cpp
  table/folders_test.cpp
)
target_include_directories(table_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(table_tests PRIVATE qolvar_table qolvar_cli GTest::gtest_main Qt6::Core)
# Swatch files made by other software and the source of the shipped CSS
# colour table; the tests that read them skip when they are absent.
target_compile_definitions(table_tests PRIVATE
  QOLVAR_SWATCH_DIR="${CMAKE_SOURCE_DIR}/../shared/data/swatches"
  QOLVAR_CSS_TABLE="${CMAKE_SOURCE_DIR}/data/Table/CSS名前付き色.tab"
  QOLVAR_CSS_SOURCE="${CMAKE_SOURCE_DIR}/../shared/data/named-colours/css-named-colours.csv")
gtest_discover_tests(table_tests DISCOVERY_TIMEOUT 60)
if(QOLVAR_SANITIZE)
  target_compile_definitions(table_tests PRIVATE QOLVAR_SANITIZED)
endif()
