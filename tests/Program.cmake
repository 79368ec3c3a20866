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
  # Once more on a screen of twice the density: surfaces are magnified by whole squares.
  add_test(NAME platform_qt_scaled COMMAND platform_qt_tests --gtest_filter=QtScaled.*)
  set_tests_properties(platform_qt_scaled PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=2")
endif()

# The screen saver is given back however the program ends: the program runs as a helper process
# on a private session bus (skipped where there is no dbus-daemon).
add_executable(platform_inhibit_probe ${CMAKE_CURRENT_SOURCE_DIR}/platform/inhibit_probe_main.cpp)
target_link_libraries(platform_inhibit_probe PRIVATE pd_platform_qt Qt6::DBus)
target_compile_options(platform_inhibit_probe PRIVATE ${PD_WARNINGS})
add_executable(platform_inhibit_tests ${CMAKE_CURRENT_SOURCE_DIR}/platform/inhibit_test.cpp)
target_link_libraries(platform_inhibit_tests PRIVATE GTest::gtest_main)
target_compile_options(platform_inhibit_tests PRIVATE ${PD_WARNINGS})
target_compile_definitions(platform_inhibit_tests PRIVATE PD_INHIBIT_PROBE="$<TARGET_FILE:platform_inhibit_probe>")
add_dependencies(platform_inhibit_tests platform_inhibit_probe)
gtest_discover_tests(platform_inhibit_tests DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 60)

# The program itself, driven headless with scripted answers.
file(GLOB _app_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/app/*.cpp)
if(_app_tests)
  add_executable(app_tests ${_app_tests})
  target_link_libraries(app_tests PRIVATE pd_app pd_platform_headless GTest::gtest_main)
  target_compile_options(app_tests PRIVATE ${PD_WARNINGS})
  target_compile_definitions(app_tests PRIVATE PD_TEST_OUT_DIR="${CMAKE_BINARY_DIR}/test-out"
                                               PD_APP_REFERENCE_DIR="${CMAKE_CURRENT_SOURCE_DIR}/app/reference")
  gtest_discover_tests(app_tests DISCOVERY_TIMEOUT 60)
endif()

# Sound effects and music: the real player on SDL's disk audio driver, and the music's order and
# sound control on the headless program.
file(GLOB _media_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/media/*.cpp)
if(_media_tests)
  add_executable(media_tests ${_media_tests})
  pkg_check_modules(VORBISFILE REQUIRED IMPORTED_TARGET vorbisfile)
  target_link_libraries(media_tests PRIVATE pd_app pd_platform_headless PkgConfig::VORBISFILE GTest::gtest_main)
  target_compile_options(media_tests PRIVATE ${PD_WARNINGS})
  gtest_discover_tests(media_tests DISCOVERY_TIMEOUT 60)
endif()

# The program's code on the Qt backend: PRINT into a PDF file rendered back by poppler.
file(GLOB _app_qt_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/app_qt/*.cpp)
if(_app_qt_tests)
  add_executable(app_qt_tests ${_app_qt_tests})
  target_link_libraries(app_qt_tests PRIVATE pd_app pd_platform_qt Qt6::Widgets Qt6::PrintSupport GTest::gtest_main)
  target_compile_options(app_qt_tests PRIVATE ${PD_WARNINGS})
  gtest_discover_tests(app_qt_tests DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endif()
