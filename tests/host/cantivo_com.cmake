# The Windows host with --com: after regsvr32 it creates the filter through
# CoCreateInstance and gives the same file as through the DLL's own factory;
# once the plug-in is unregistered it says what is missing.
#   cmake -DRUN=<wine-run and prefix> -DCANTIVO=<cantivo.exe> -DPLUGIN=<QVB20x64.dll> -DEXAMPLE=<example.mid>
#         -DSTYLE=<Folder/Name> -DWORK=<folder> -P cantivo_com.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

function(run expected_rc)
  execute_process(COMMAND ${RUN} ${ARGN} RESULT_VARIABLE rc ERROR_VARIABLE err OUTPUT_VARIABLE out)
  if(NOT rc EQUAL expected_rc)
    execute_process(COMMAND ${RUN} regsvr32 /s /u ${PLUGIN})
    message(FATAL_ERROR "${ARGN}: exit ${rc}, expected ${expected_rc}\n${out}\n${err}")
  endif()
  set(last_error "${err}" PARENT_SCOPE)
endfunction()

run(0 regsvr32 /s ${PLUGIN})
run(0 ${CANTIVO} ${EXAMPLE} --style ${STYLE} --com -o ${WORK}/com.mid)
run(0 regsvr32 /s /u ${PLUGIN})
run(0 ${CANTIVO} ${EXAMPLE} --style ${STYLE} -o ${WORK}/factory.mid)
file(SHA256 ${WORK}/com.mid through_com)
file(SHA256 ${WORK}/factory.mid through_factory)
if(NOT through_com STREQUAL through_factory)
  message(FATAL_ERROR "the filter made through COM gave another file than the one from the class factory")
endif()

run(1 ${CANTIVO} ${EXAMPLE} --style ${STYLE} --com -o ${WORK}/unregistered.mid)
if(NOT last_error MATCHES "CoCreateInstance failed \\(0x[0-9A-F]+\\); register the plug-in")
  message(FATAL_ERROR "unexpected message: ${last_error}")
endif()
