# Draws the piano roll of the example with a bundled style and leaves a PNG of
# it beside the SVG; rsvg-convert refuses an SVG that does not parse.
#   cmake -DRUN=<emulator or empty> -DCANTIVO=<program> -DEXAMPLE=<example.mid> -DSTYLE=<Folder/Name>
#         -DRSVG=<rsvg-convert> -DWORK=<folder> -P piano_roll_example.cmake
include(${CMAKE_CURRENT_LIST_DIR}/../support/program_checks.cmake)
if(NOT RSVG)
  message(FATAL_ERROR "rsvg-convert not found: install librsvg2-bin (scripts/install-deps does)")
endif()
set(svg ${WORK}/example-piano-roll.svg)
run_program(0 ${CANTIVO} ${EXAMPLE} --style ${STYLE} --piano-roll ${svg})
set(RUN "")
run_program(0 ${RSVG} ${svg} -o ${WORK}/example-piano-roll.png)
message(STATUS "piano roll: ${WORK}/example-piano-roll.png")
