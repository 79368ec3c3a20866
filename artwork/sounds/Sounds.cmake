# The sound generator: a small program that synthesises the sound effects and composes the
# background songs, run by the build so that build/bin always holds the current sounds.
file(GLOB _pd_sound_srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/artwork/sounds/*.cpp)
add_executable(pd_soundgen ${_pd_sound_srcs})
target_compile_options(pd_soundgen PRIVATE ${PD_WARNINGS})
# Kept out of build/bin, which is the program's asset directory.
set_target_properties(pd_soundgen PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/artwork)

set(PD_SOUND_NUMBERS 1 3 4 5 6 7 8 9 10 11 12 13 14 15 16 21 22 25 26 29 32 33 34 36 39 41 42 43 45 46 47 48 63 70 71 72 73 74)
set(_pd_sound_outputs ${PD_BIN}/snd44.kvr)
foreach(_n IN LISTS PD_SOUND_NUMBERS)
  list(APPEND _pd_sound_outputs ${PD_BIN}/snd/snd${_n}.kvr)
endforeach()
foreach(_n RANGE 1 20)
  list(APPEND _pd_sound_outputs ${PD_BIN}/snd/pc${_n}.mid)
endforeach()

# Depending on the generator's target re-runs it whenever any of its sources changes.
add_custom_command(OUTPUT ${_pd_sound_outputs}
  COMMAND pd_soundgen ${PD_BIN}
  DEPENDS pd_soundgen
  COMMENT "Synthesising the sounds and songs into ${PD_BIN}"
  VERBATIM)
add_custom_target(sounds ALL DEPENDS ${_pd_sound_outputs})

# Checks of the files the generator writes (wave headers, levels, song structure and lengths)
# and of the tune notation the songs are written in.
find_package(GTest REQUIRED)
include(GoogleTest)
file(GLOB _pd_sound_tests CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/sounds/*.cpp)
if(_pd_sound_tests)
  add_executable(sound_tests ${_pd_sound_tests} ${CMAKE_SOURCE_DIR}/artwork/sounds/notation.cpp)
  target_include_directories(sound_tests PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(sound_tests PRIVATE GTest::gtest_main)
  target_compile_options(sound_tests PRIVATE ${PD_WARNINGS})
  target_compile_definitions(sound_tests PRIVATE PD_SOUNDGEN_EXE="$<TARGET_FILE:pd_soundgen>")
  add_dependencies(sound_tests pd_soundgen)
  gtest_discover_tests(sound_tests DISCOVERY_TIMEOUT 60)
endif()
