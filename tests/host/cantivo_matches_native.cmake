# The same style over the same piece must give the same bytes from the native
# host driving the core and from the Windows host driving QVB20x64.dll.
#   cmake -DRUN=<wine-run and prefix> -DCANTIVO=<cantivo.exe> -DNATIVE=<native cantivo>
#         -DEXAMPLE=<example.mid> -DSTYLE=<Folder/Name> -DWORK=<folder> -P cantivo_matches_native.cmake
if(NOT EXISTS "${NATIVE}")
  message(FATAL_ERROR "the native host ${NATIVE} is missing: build the native preset first "
                      "or give its cantivo with -DCANTIVO_NATIVE_HOST=<path>")
endif()
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
# Both hosts run with the Options of an empty registry: the native one's
# settings file lies in WORK.
execute_process(COMMAND ${RUN} reg delete "HKCU\\Software\\KELMAR" /f OUTPUT_QUIET ERROR_QUIET)

function(compare name)
  execute_process(COMMAND ${NATIVE} ${EXAMPLE} --style ${STYLE} ${ARGN} -o ${WORK}/${name}-native.mid
                  RESULT_VARIABLE native_rc ERROR_VARIABLE native_err)
  execute_process(COMMAND ${RUN} ${CANTIVO} ${EXAMPLE} --style ${STYLE} ${ARGN} -o ${WORK}/${name}-windows.mid
                  RESULT_VARIABLE windows_rc ERROR_VARIABLE windows_err)
  if(NOT native_rc EQUAL 0 OR NOT windows_rc EQUAL 0)
    message(FATAL_ERROR "${name}: native exit ${native_rc}, Windows exit ${windows_rc}\n${native_err}\n${windows_err}")
  endif()
  file(SHA256 ${WORK}/${name}-native.mid native)
  file(SHA256 ${WORK}/${name}-windows.mid windows)
  if(NOT native STREQUAL windows)
    message(FATAL_ERROR "${name}: the native and the Windows host wrote different files")
  endif()
endfunction()

compare(plain)
compare(settings --depth start=180 --random velocity=30 --depth duration=40 --velocity 96 --no-modulation)
