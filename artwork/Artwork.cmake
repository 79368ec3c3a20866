# The artwork generator: a program that draws the pictures the program reads with our own
# raster layer, run by the build so that build/bin always holds the current artwork.
# The drawing routines are a library so that the tests can call them; main.cpp is the program.
file(GLOB _pd_artwork_srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/artwork/*.cpp)
list(REMOVE_ITEM _pd_artwork_srcs ${CMAKE_SOURCE_DIR}/artwork/main.cpp)
add_library(pd_artwork_lib STATIC ${_pd_artwork_srcs})
target_link_libraries(pd_artwork_lib PUBLIC pd_gdi)
target_include_directories(pd_artwork_lib PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(pd_artwork_lib PRIVATE ${PD_WARNINGS})
add_executable(pd_artwork ${CMAKE_SOURCE_DIR}/artwork/main.cpp)
target_link_libraries(pd_artwork PRIVATE pd_artwork_lib)
target_compile_options(pd_artwork PRIVATE ${PD_WARNINGS})
# Kept out of build/bin, which is the program's asset directory.
set_target_properties(pd_artwork PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/artwork)

set(PD_ARTWORK_FILES a1.kvr a911.kvr a900.kvr about.kvr aboutbtn.kvr icon.kvr icon256.kvr
    cursors/hotspots.txt)
foreach(_n RANGE 1 32)
  list(APPEND PD_ARTWORK_FILES cursors/cursor${_n}.kvr)
endforeach()
list(APPEND PD_ARTWORK_FILES cursors/cursor34.kvr)
list(APPEND PD_ARTWORK_FILES a901.kvr a902.kvr a903.kvr a904.kvr a905.kvr a906.kvr a907.kvr a908.kvr a910.kvr)
foreach(_n 1 2 3 4 5 6 7 8 9 11)
  list(APPEND PD_ARTWORK_FILES icons/icon${_n}.kvr)
endforeach()
foreach(_n RANGE 0 7)
  list(APPEND PD_ARTWORK_FILES pa0${_n}.kvr)
endforeach()
foreach(_n RANGE 1 8)
  list(APPEND PD_ARTWORK_FILES pb${_n}.kvr)
endforeach()
# The option panels and the fill-style chart.
foreach(_n 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 23 24 28 43 44 45 46 47 48 49 50 70 71 72 73 74 75
        76 77 78 79 84)
  list(APPEND PD_ARTWORK_FILES a${_n}.kvr)
endforeach()
list(APPEND PD_ARTWORK_FILES fstyles.kvr a930.kvr a931.kvr a932.kvr)
list(APPEND PD_ARTWORK_FILES jukebox.kvr sndon.kvr sndoff.kvr muson.kvr musoff.kvr jukeok.kvr)
# The thumbnail browser, the save query, the backgrounds and the colouring-book pages.
list(APPEND PD_ARTWORK_FILES a85.kvr savenew.kvr)
foreach(_n RANGE 1 8)
  list(APPEND PD_ARTWORK_FILES art/level${_n}.bmp art/cb${_n}.bmp)
endforeach()
# The stamps and the clip art (one of each set stands for its set).
foreach(_n RANGE 20 199)
  list(APPEND PD_ARTWORK_FILES icons/icon${_n}.kvr)
endforeach()
foreach(_n RANGE 1 8)
  list(APPEND PD_ARTWORK_FILES art/hm${_n}.bmp art/vm${_n}.bmp)
endforeach()
list(APPEND PD_ARTWORK_FILES stampwin.kvr a22.kvr stmore.kvr stcancel.kvr wmfyes.kvr wmfno.kvr stamps/cat.bmp art/cat.wmf)
list(APPEND PD_ARTWORK_FILES prtport.kvr prtland.kvr prtgo.kvr prtstop.kvr)
# The text and signature dialogs.
list(APPEND PD_ARTWORK_FILES dlgok.kvr dlgno.kvr dlgerase.kvr name.sig)
list(TRANSFORM PD_ARTWORK_FILES PREPEND ${PD_BIN}/ OUTPUT_VARIABLE _pd_artwork_outputs)

# The generator's target dependency re-runs it whenever it, or the raster layer it draws with,
# is rebuilt.
add_custom_command(OUTPUT ${_pd_artwork_outputs}
  COMMAND pd_artwork ${PD_BIN}
  DEPENDS pd_artwork
  COMMENT "Drawing the artwork into ${PD_BIN}"
  VERBATIM)
add_custom_target(artwork ALL DEPENDS ${_pd_artwork_outputs})

# Checks of the files the generator writes: sizes, layouts and cursor planes.
find_package(GTest REQUIRED)
include(GoogleTest)
file(GLOB _pd_artwork_tests CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/artwork/*.cpp)
if(_pd_artwork_tests)
  add_executable(artwork_tests ${_pd_artwork_tests})
  target_link_libraries(artwork_tests PRIVATE pd_artwork_lib GTest::gtest_main)
  target_compile_options(artwork_tests PRIVATE ${PD_WARNINGS})
  target_compile_definitions(artwork_tests PRIVATE PD_ARTWORK_EXE="$<TARGET_FILE:pd_artwork>")
  add_dependencies(artwork_tests pd_artwork)
  gtest_discover_tests(artwork_tests DISCOVERY_TIMEOUT 60)
endif()
