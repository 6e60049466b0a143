# Runs cantivo over a folder as a user would: three good files and a corrupt
# one. The three are processed, the corrupt one is named with its reason, the
# exit code is 1, and two jobs at once write the same bytes as one at a time,
# the same as a run of each file alone.
#   cmake -DRUN=<emulator or empty> -DCANTIVO=<program> -DEXAMPLE=<example.mid> -DSTYLE=<Folder/Name>
#         -DWORK=<folder> -P cantivo_batch.cmake
include(${CMAKE_CURRENT_LIST_DIR}/../support/program_checks.cmake)
macro(run expected_rc)
  run_program(${expected_rc} ${CANTIVO} ${ARGN})
endmacro()
file(MAKE_DIRECTORY ${WORK}/songs)
foreach(name a b c)
  configure_file(${EXAMPLE} ${WORK}/songs/${name}.mid COPYONLY)
endforeach()
file(WRITE ${WORK}/songs/corrupt.mid "not a MIDI file")
file(WRITE ${WORK}/songs/notes.txt "not MIDI either, and not named so")
set(settings --style ${STYLE} --depth velocity=150)

run(1 ${WORK}/songs ${settings} -o ${WORK}/one -j 1)
if(NOT last_output MATCHES "Processed 3 of 4 files, [1-9][0-9]* notes changed\nRefused 1:\n  [^\n]*corrupt.mid: offset 0: ")
  message(FATAL_ERROR "unexpected summary:\n${last_output}")
endif()
file(GLOB written RELATIVE ${WORK}/one ${WORK}/one/*)
if(NOT written STREQUAL "a.mid;b.mid;c.mid")
  message(FATAL_ERROR "the batch wrote: ${written}")
endif()

run(1 ${WORK}/songs ${settings} -o ${WORK}/two -j 2 --report json)
string(JSON done GET "${last_output}" summary done)
string(JSON refused GET "${last_output}" files 3 status)
if(NOT done EQUAL 3 OR NOT refused STREQUAL "refused")
  message(FATAL_ERROR "unexpected JSON summary:\n${last_output}")
endif()

run(0 ${WORK}/songs/a.mid ${settings} -o ${WORK}/alone.mid)
file(SHA256 ${WORK}/alone.mid alone)
foreach(name a b c)
  file(SHA256 ${WORK}/one/${name}.mid one)
  file(SHA256 ${WORK}/two/${name}.mid two)
  if(NOT one STREQUAL alone OR NOT two STREQUAL alone)
    message(FATAL_ERROR "${name}.mid: the batch wrote other bytes than a run of the file alone")
  endif()
endforeach()
