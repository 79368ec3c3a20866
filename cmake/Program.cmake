# The program and its platform layer. Included from the top CMakeLists.txt when PINDOODLE_GUI is on.
#
#  pd_platform_qt        the platform layer on Qt Widgets: the real program links it
#  pd_platform_headless  the same interface without a screen: tests link it
#  pd_app                everything of the program but its entry point (src/core, src/media,
#                        src/tools, src/regiontools, src/effects, src/pictures, src/app but main.cpp)
#  pindoodle             src/app/main.cpp + pd_app + pd_platform_qt, in build/bin
#
# pd_app does not choose a backend; whatever links it adds one of the two platform libraries.

find_package(Qt6 REQUIRED COMPONENTS Widgets DBus PrintSupport)
find_package(X11 REQUIRED)

# Sources of the platform layer: files without a prefix are shared by both backends.
file(GLOB _pd_platform_all CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/platform/*.cpp)
set(_pd_platform_shared ${_pd_platform_all})
list(FILTER _pd_platform_shared EXCLUDE REGEX "/(qt|headless)_[^/]*\\.cpp$")
set(_pd_platform_qt ${_pd_platform_all})
list(FILTER _pd_platform_qt INCLUDE REGEX "/qt_[^/]*\\.cpp$")
set(_pd_platform_headless ${_pd_platform_all})
list(FILTER _pd_platform_headless INCLUDE REGEX "/headless_[^/]*\\.cpp$")

# The interface alone (headers), for code that is written against it but picks no backend.
add_library(pd_platform_api INTERFACE)
target_include_directories(pd_platform_api INTERFACE ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(pd_platform_api INTERFACE pd_gdi)

add_library(pd_platform_shared OBJECT ${_pd_platform_shared})
target_link_libraries(pd_platform_shared PUBLIC pd_platform_api)
target_compile_options(pd_platform_shared PRIVATE ${PD_WARNINGS})

add_library(pd_platform_qt STATIC ${_pd_platform_qt} $<TARGET_OBJECTS:pd_platform_shared>)
target_link_libraries(pd_platform_qt PUBLIC pd_platform_api PRIVATE Qt6::Widgets Qt6::DBus Qt6::PrintSupport X11::X11)
target_compile_options(pd_platform_qt PRIVATE ${PD_WARNINGS})

add_library(pd_platform_headless STATIC ${_pd_platform_headless} $<TARGET_OBJECTS:pd_platform_shared>)
target_link_libraries(pd_platform_headless PUBLIC pd_platform_api)
target_compile_options(pd_platform_headless PRIVATE ${PD_WARNINGS})

# The program's code in one library, so that the program and the tests link the same thing and
# the program's parts may call each other freely.
set(_pd_app_srcs)
foreach(_dir core media tools regiontools effects pictures app)
  file(GLOB _srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${_dir}/*.cpp)
  list(APPEND _pd_app_srcs ${_srcs})
endforeach()
list(FILTER _pd_app_srcs EXCLUDE REGEX "/src/app/main\\.cpp$")
# Sound effects and music play through the SDL mixer (src/media).
pkg_check_modules(SDL2_MIXER REQUIRED IMPORTED_TARGET SDL2_mixer)
# Songs are rendered once through FluidSynth into Ogg Vorbis, kept in the user's cache, and
# played from there.
pkg_check_modules(SONG_RENDER REQUIRED IMPORTED_TARGET fluidsynth vorbisenc vorbisfile vorbis ogg)
if(_pd_app_srcs)
  add_library(pd_app STATIC ${_pd_app_srcs})
  target_link_libraries(pd_app PUBLIC pd_platform_api pd_gdi PRIVATE PkgConfig::SDL2_MIXER PkgConfig::SONG_RENDER ${CMAKE_DL_LIBS})
  target_compile_options(pd_app PRIVATE ${PD_WARNINGS})
else()
  add_library(pd_app INTERFACE)
  target_link_libraries(pd_app INTERFACE pd_platform_api pd_gdi)
endif()

add_executable(pindoodle ${CMAKE_SOURCE_DIR}/src/app/main.cpp)
target_link_libraries(pindoodle PRIVATE pd_app pd_platform_qt)
target_compile_definitions(pindoodle PRIVATE PD_VERSION="${PROJECT_VERSION}")
target_compile_options(pindoodle PRIVATE ${PD_WARNINGS})
include(${CMAKE_CURRENT_LIST_DIR}/Install.cmake)
