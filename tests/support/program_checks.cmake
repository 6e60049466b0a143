# What the command-line tests share. RUN is the emulator a program runs under
# (empty natively).
# run_program(EXPECTED_EXIT PROGRAM ARGS...) runs it and sets last_output and last_error.
function(run_program expected_rc)
  execute_process(COMMAND ${RUN} ${ARGN} RESULT_VARIABLE rc ERROR_VARIABLE err OUTPUT_VARIABLE out)
  if(NOT rc EQUAL expected_rc)
    message(FATAL_ERROR "${ARGN}: exit ${rc}, expected ${expected_rc}\n${out}\n${err}")
  endif()
  set(last_error "${err}" PARENT_SCOPE)
  set(last_output "${out}" PARENT_SCOPE)
endfunction()

function(expect text pattern)
  if(NOT text MATCHES "${pattern}")
    message(FATAL_ERROR "expected /${pattern}/ in:\n${text}")
  endif()
endfunction()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
