# Runs cnvtool as a user would: compile a source, dump the style, compile the
# dump; both styles must hold the same bytes. A bad source must fail and say
# which field is wrong.
#   cmake -DRUN=<emulator or empty> -DCNVTOOL=<program> -DSOURCE=<json> -DWORK=<folder> -P cnvtool_cli.cmake
include(${CMAKE_CURRENT_LIST_DIR}/../support/program_checks.cmake)
macro(run expected_rc)
  run_program(${expected_rc} ${CNVTOOL} ${ARGN})
endmacro()

run(0 compile ${SOURCE} ${WORK}/first.cnv)
run(0 dump ${WORK}/first.cnv ${WORK}/dumped.json)
run(0 compile ${WORK}/dumped.json ${WORK}/second.cnv)
file(SHA256 ${WORK}/first.cnv first)
file(SHA256 ${WORK}/second.cnv second)
if(NOT first STREQUAL second)
  message(FATAL_ERROR "compiling the dump gave other bytes")
endif()

run(0 dump ${WORK}/first.cnv)
expect("${last_output}" "\"variableLabel\": \"Groove\"")

file(READ ${SOURCE} text)
string(REPLACE "\"module\": 41" "\"module\": -1" text "${text}")
file(WRITE ${WORK}/bad.json "${text}")
run(1 compile ${WORK}/bad.json ${WORK}/bad.cnv)
expect("${last_error}" "slots\\[1\\]\\.module: expected an integer in 0\\.\\.65535")
if(EXISTS ${WORK}/bad.cnv)
  message(FATAL_ERROR "a bad source left a style file")
endif()

file(WRITE ${WORK}/broken.cnv "SACS")
run(1 dump ${WORK}/broken.cnv)
expect("${last_error}" "not a valid style file: file ends early")
run(2 convert ${SOURCE})

# What the check finds is tested on its own; here, that it is printed and sets the exit code.
run(0 check ${WORK}/first.cnv)
expect("${last_output}" "takes this file")
run(1 check ${WORK}/broken.cnv)
