# Tests of the platform layer and of the program. Included from tests/CMakeLists.txt; the targets
# exist only when the program is built (PINDOODLE_GUI).
if(NOT TARGET pd_platform_headless)
  return()
endif()

# The platform layer without a screen: events, timers, seams, surfaces.
file(GLOB _platform_headless_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/platform/headless_*.cpp)
if(_platform_headless_tests)
  add_executable(platform_headless_tests ${_platform_headless_tests})
  target_link_libraries(platform_headless_tests PRIVATE pd_platform_headless GTest::gtest_main)
  target_compile_options(platform_headless_tests PRIVATE ${PD_WARNINGS})
  gtest_discover_tests(platform_headless_tests DISCOVERY_TIMEOUT 60)
endif()

# The Qt backend on the offscreen platform: what a window shows is its surface.
file(GLOB _platform_qt_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/platform/qt_*.cpp)
if(_platform_qt_tests)
  add_executable(platform_qt_tests ${_platform_qt_tests})
  target_link_libraries(platform_qt_tests PRIVATE pd_platform_qt Qt6::Widgets GTest::gtest_main)
  target_compile_options(platform_qt_tests PRIVATE ${PD_WARNINGS})
  gtest_discover_tests(platform_qt_tests DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endif()

# The program itself, driven headless with scripted answers.
file(GLOB _app_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/app/*.cpp)
if(_app_tests)
  add_executable(app_tests ${_app_tests})
  target_link_libraries(app_tests PRIVATE pd_app pd_platform_headless GTest::gtest_main)
  target_compile_options(app_tests PRIVATE ${PD_WARNINGS})
  target_compile_definitions(app_tests PRIVATE PD_TEST_OUT_DIR="${CMAKE_BINARY_DIR}/test-out")
  gtest_discover_tests(app_tests DISCOVERY_TIMEOUT 60)
endif()
