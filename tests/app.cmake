# Widget tests: one executable per tests/app/*_test.cpp, each with the
# shared main that runs a QApplication on the offscreen platform.
find_package(GTest REQUIRED)
include(GoogleTest)

add_library(qolvar_widget_test_support STATIC app/widget_main.cpp app/fixture.cpp)
target_link_libraries(qolvar_widget_test_support PUBLIC qolvar_app GTest::gtest Qt6::Test)
target_include_directories(qolvar_widget_test_support PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/app ${CMAKE_CURRENT_SOURCE_DIR})

file(GLOB QOLVAR_WIDGET_TESTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/app/*_test.cpp)
foreach(source IN LISTS QOLVAR_WIDGET_TESTS)
  get_filename_component(name ${source} NAME_WE)
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE qolvar_widget_test_support)
  # The portal tests own a well-known name on the shared session bus: one
  # at a time.
  set(lock "")
  if(name STREQUAL "portal_test")
    set(lock RESOURCE_LOCK desktop_portal_name)
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" ${lock})
endforeach()

# The direct screen read against a real X server: run under Xvfb when it is
# installed (scripts/test installs it), skipped otherwise.
add_executable(xvfb_pick_test xvfb/pick_test.cpp)
target_link_libraries(xvfb_pick_test PRIVATE qolvar_platform GTest::gtest Qt6::Test)
find_program(XVFB_RUN xvfb-run)
if(XVFB_RUN)
  add_test(NAME xvfb_pick_test COMMAND ${XVFB_RUN} -a -s "-screen 0 640x480x24"
    $<TARGET_FILE:xvfb_pick_test>)
  set_tests_properties(xvfb_pick_test PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=xcb")
endif()

# The pick mode and `qolvar --pick` against a test picture on a real X
# server.
find_package(X11)
if(XVFB_RUN AND X11_FOUND)
  add_executable(xvfb_eyedropper_test xvfb/eyedropper_test.cpp)
  target_link_libraries(xvfb_eyedropper_test PRIVATE qolvar_app GTest::gtest Qt6::Test X11::X11)
  add_test(NAME xvfb_eyedropper_test COMMAND ${XVFB_RUN} -a -s "-screen 0 640x480x24"
    $<TARGET_FILE:xvfb_eyedropper_test>)
  set_tests_properties(xvfb_eyedropper_test PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=xcb;QOLVAR_PROGRAM=$<TARGET_FILE:qolvar>")
endif()

# The main window on the Wayland platform, against a private headless
# Weston that tests/wayland/run starts and stops. Not skipped when Weston or
# Qt's Wayland plugin is missing: scripts/install-deps installs both.
add_executable(wayland_mainwindow_test wayland/mainwindow_test.cpp app/fixture.cpp)
target_link_libraries(wayland_mainwindow_test PRIVATE qolvar_app GTest::gtest Qt6::Test)
target_include_directories(wayland_mainwindow_test PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/app ${CMAKE_CURRENT_SOURCE_DIR})
add_test(NAME wayland_mainwindow_test
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/wayland/run $<TARGET_FILE:wayland_mainwindow_test>)
set_tests_properties(wayland_mainwindow_test PROPERTIES TIMEOUT 90)
