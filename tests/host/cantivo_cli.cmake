# Runs cantivo as a user would: help, version, a bad line, missing files, the
# style listing, and runs over the example with a style, a state and a style file.
#   cmake -DRUN=<emulator or empty> -DCANTIVO=<program> -DEXAMPLE=<example.mid>
#         -DSTYLE=<Folder/Name> -DWORK=<folder> -P cantivo_cli.cmake
include(${CMAKE_CURRENT_LIST_DIR}/../support/program_checks.cmake)
macro(run expected_rc)
  run_program(${expected_rc} ${CANTIVO} ${ARGN})
endmacro()

run(0 --help)
expect("${last_output}" "usage: cantivo INPUT.mid --style FOLDER/NAME")
run(0 --version)
expect("${last_output}" "^cantivo [0-9]+\\.[0-9]+\\.[0-9]+")

run(2 --bogus)
expect("${last_error}" "cantivo: unknown option '--bogus'\nTry 'cantivo --help'")

run(1 ${WORK}/missing.mid --style ${STYLE} -o ${WORK}/x.mid)
expect("${last_error}" "^cantivo: .*missing.mid: offset 0: ")
run(1 ${EXAMPLE} --style Nowhere/Nothing -o ${WORK}/x.mid)
expect("${last_error}" "style 'Nowhere/Nothing' not found")
file(WRITE ${WORK}/short.sta "too short")
run(1 ${EXAMPLE} --state ${WORK}/short.sta -o ${WORK}/x.mid)
expect("${last_error}" "not a state file: 9 bytes, expected 636")
if(EXISTS ${WORK}/x.mid)
  message(FATAL_ERROR "a failed run left an output file")
endif()

run(0 --list-styles)
expect("${last_output}" "  ${STYLE}\n")

# Relative paths are the user's, not the plug-in folder's the filter moves to.
get_filename_component(example_name ${EXAMPLE} NAME)
file(COPY ${EXAMPLE} DESTINATION ${WORK})
execute_process(COMMAND ${RUN} ${CANTIVO} ${example_name} --style ${STYLE} -o relative.mid
                WORKING_DIRECTORY ${WORK} RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT EXISTS ${WORK}/relative.mid)
  message(FATAL_ERROR "a run with relative paths: exit ${rc}\n${err}")
endif()
file(SHA256 ${WORK}/relative.mid first_run)

# The settings of a run, saved and given back as a state file, make the same run.
run(0 ${EXAMPLE} --style ${STYLE} --depth start=150 --mute velocity -o ${WORK}/styled.mid --save-state ${WORK}/run.sta)
file(SIZE ${WORK}/run.sta size)
if(NOT size EQUAL 636)
  message(FATAL_ERROR "the saved state holds ${size} bytes")
endif()
run(0 ${EXAMPLE} --state ${WORK}/run.sta -o ${WORK}/stated.mid)
file(SHA256 ${WORK}/styled.mid first)
file(SHA256 ${WORK}/stated.mid second)
if(NOT first STREQUAL second)
  message(FATAL_ERROR "the state file did not give the run it was saved from")
endif()
if(first STREQUAL "${first_run}")
  message(FATAL_ERROR "depth and mute options made no difference")
endif()

# A style file from anywhere runs as the same style from the library does,
# and leaves nothing behind in the library.
get_filename_component(library ${CANTIVO} DIRECTORY)
set(library ${library}/STYLES)
file(MAKE_DIRECTORY ${WORK}/some/where)
configure_file(${library}/${STYLE}.cnv ${WORK}/some/where/Mine.cnv COPYONLY)
run(0 ${EXAMPLE} --style ${WORK}/some/where/Mine.cnv --depth start=150 --mute velocity -o ${WORK}/mine.mid)
file(SHA256 ${WORK}/mine.mid mine)
if(NOT mine STREQUAL first)
  message(FATAL_ERROR "the style file gave another run than the same style from the library")
endif()
file(GLOB left LIST_DIRECTORIES true ${library}/.cantivo-*)
if(left)
  message(FATAL_ERROR "a style file's run left ${left}")
endif()
file(WRITE ${WORK}/Broken.cnv "SACS")
run(1 ${EXAMPLE} --style ${WORK}/Broken.cnv -o ${WORK}/x.mid)
expect("${last_error}" "Broken.cnv: not a valid style file: file ends early")
