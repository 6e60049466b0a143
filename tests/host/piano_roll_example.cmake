# Draws the piano roll of the example with a bundled style, checks it against
# the run's JSON report and leaves a PNG of it beside the SVG.
#   cmake -DRUN=<emulator or empty> -DCANTIVO=<program> -DEXAMPLE=<example.mid> -DSTYLE=<Folder/Name>
#         -DPYTHON=<python3> -DCHECK=<check_piano_roll.py> -DRSVG=<rsvg-convert> -DWORK=<folder> -P piano_roll_example.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(svg ${WORK}/example-piano-roll.svg)

execute_process(COMMAND ${RUN} ${CANTIVO} ${EXAMPLE} --style ${STYLE} --report json --piano-roll ${svg}
                RESULT_VARIABLE rc OUTPUT_FILE ${WORK}/report.json ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cantivo: exit ${rc}\n${err}")
endif()
execute_process(COMMAND ${PYTHON} ${CHECK} ${svg} ${WORK}/report.json RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the piano roll does not match the report:\n${err}")
endif()

if(NOT RSVG)
  message(FATAL_ERROR "rsvg-convert not found: install librsvg2-bin (scripts/install-deps does)")
endif()
execute_process(COMMAND ${RSVG} ${svg} -o ${WORK}/example-piano-roll.png RESULT_VARIABLE rc ERROR_VARIABLE err)
file(SIZE ${WORK}/example-piano-roll.png size)
if(NOT rc EQUAL 0 OR size EQUAL 0)
  message(FATAL_ERROR "rsvg-convert: exit ${rc}\n${err}")
endif()
message(STATUS "piano roll: ${WORK}/example-piano-roll.png")
