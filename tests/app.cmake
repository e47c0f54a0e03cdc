# Widget tests: one executable per tests/app/*_test.cpp, each with the
# shared main that runs a QApplication on the offscreen platform.
find_package(GTest REQUIRED)
include(GoogleTest)

add_library(qolvar_widget_test_support STATIC app/widget_main.cpp app/fixture.cpp)
target_link_libraries(qolvar_widget_test_support PUBLIC qolvar_app GTest::gtest Qt6::Test)
target_include_directories(qolvar_widget_test_support PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/app)

file(GLOB QOLVAR_WIDGET_TESTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/app/*_test.cpp)
foreach(source IN LISTS QOLVAR_WIDGET_TESTS)
  get_filename_component(name ${source} NAME_WE)
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE qolvar_widget_test_support)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endforeach()
