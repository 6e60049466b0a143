# Runs cnvtool as a user would: compile a source, dump the style, compile the
# dump; both styles must hold the same bytes. A bad source must fail and say
# which field is wrong.
#   cmake -DRUN=<emulator or empty> -DCNVTOOL=<program> -DSOURCE=<json> -DWORK=<folder> -P cnvtool_cli.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

function(run expected_rc)
  execute_process(COMMAND ${RUN} ${CNVTOOL} ${ARGN} RESULT_VARIABLE rc ERROR_VARIABLE err OUTPUT_VARIABLE out)
  if(NOT rc EQUAL expected_rc)
    message(FATAL_ERROR "cnvtool ${ARGN}: exit ${rc}, expected ${expected_rc}\n${err}")
  endif()
  set(last_error "${err}" PARENT_SCOPE)
  set(last_output "${out}" PARENT_SCOPE)
endfunction()

run(0 compile ${SOURCE} ${WORK}/first.cnv)
run(0 dump ${WORK}/first.cnv ${WORK}/dumped.json)
run(0 compile ${WORK}/dumped.json ${WORK}/second.cnv)
file(SHA256 ${WORK}/first.cnv first)
file(SHA256 ${WORK}/second.cnv second)
if(NOT first STREQUAL second)
  message(FATAL_ERROR "compiling the dump gave other bytes")
endif()
file(SIZE ${WORK}/first.cnv size)
if(NOT size EQUAL 827)  # 714, then slot records of 43 + 10 + 9 and 43 + 8 + 0 bytes
  message(FATAL_ERROR "first.cnv holds ${size} bytes")
endif()

run(0 dump ${WORK}/first.cnv)
if(NOT last_output MATCHES "\"variableLabel\": \"Groove\"")
  message(FATAL_ERROR "dump to standard output lacks the variable label:\n${last_output}")
endif()

file(READ ${SOURCE} text)
string(REPLACE "\"module\": 41" "\"module\": -1" text "${text}")
file(WRITE ${WORK}/bad.json "${text}")
run(1 compile ${WORK}/bad.json ${WORK}/bad.cnv)
if(NOT last_error MATCHES "slots\\[1\\]\\.module: expected an integer in 0\\.\\.65535")
  message(FATAL_ERROR "unexpected message: ${last_error}")
endif()
if(EXISTS ${WORK}/bad.cnv)
  message(FATAL_ERROR "a bad source left a style file")
endif()

file(WRITE ${WORK}/broken.cnv "SACS")
run(1 dump ${WORK}/broken.cnv)
if(NOT last_error MATCHES "not a valid style file: file ends early")
  message(FATAL_ERROR "unexpected message: ${last_error}")
endif()
run(2 convert ${SOURCE})
