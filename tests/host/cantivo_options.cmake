# The Options cantivo runs with are the user's, as the plug-in loads them,
# whether the host makes the filter through its class factory or through COM.
#   cmake -DRUN=<emulator or empty> -DCANTIVO=<program> -DDUMP=<midi_dump> -DPYTHON=<python3> [-DPLUGIN=<dll>]
#         -DWRITE_SONG=<write_rpn_song.py> -DSTYLE=<Folder/Name> -DWORK=<folder> -P cantivo_options.cmake
# Natively the test's XDG_CONFIG_HOME lies in WORK; under Wine the registry is
# the prefix's, emptied here.
include(${CMAKE_CURRENT_LIST_DIR}/../support/program_checks.cmake)
macro(run expected_rc)
  run_program(${expected_rc} ${CANTIVO} ${ARGN})
endmacro()
if(RUN)
  execute_process(COMMAND ${RUN} reg delete "HKCU\\Software\\KELMAR" /f OUTPUT_QUIET ERROR_QUIET)
endif()

# The CC100 values of a file must be `expected` ("value;value...").
function(expect_cc100 file expected why)
  run_program(0 ${DUMP} ${file})
  string(REGEX MATCHALL "controller 0 100 [0-9]+" found "${last_output}")
  list(TRANSFORM found REPLACE "controller 0 100 " "")
  if(NOT found STREQUAL expected)
    message(FATAL_ERROR "${why}: CC100 came out as '${found}', not '${expected}'")
  endif()
endfunction()

# With nothing saved, phrase markers sit on controller 50: an RPN set-up's
# CC100 comes through as it was.
execute_process(COMMAND ${PYTHON} ${WRITE_SONG} ${WORK}/rpn.mid RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the song could not be written")
endif()
run(0 ${WORK}/rpn.mid --style ${STYLE} -o ${WORK}/rpn-out.mid)
expect_cc100(${WORK}/rpn-out.mid "0;127" "nothing saved")

# What `cantivo options` saves, the next run uses: phrase markers on 100 take
# the set-up's CC100 as markers and give them back with 32 and 94.
run(0 options Ctrl=100 IPan=8)
expect("${last_output}" "\nIPan=8 ")
run(0 ${WORK}/rpn.mid --style ${STYLE} -o ${WORK}/marked.mid --report)
expect("${last_output}" "\nOptions: BITmp=1 ITmp=2 .* IPan=8 VolB=11 PhrT=0 Ctrl=100\n")
expect_cc100(${WORK}/marked.mid "32;94" "Ctrl=100 saved")

# A refused value saves nothing, not even the values before it.
run(2 options IPan=3 Ctrl=128)
expect("${last_error}" "^cantivo: options: Ctrl=128: Integer 0..127\n")

# A run's own Options hold for that run and are not saved.
run(0 ${WORK}/rpn.mid --style ${STYLE} -o ${WORK}/once.mid --phrase-controller 50 --thin pan=off)
expect_cc100(${WORK}/once.mid "0;127" "--phrase-controller 50")
run(0 options)
expect("${last_output}" "\nCtrl=100 .*\nBIPan=1 .*\nIPan=8 ")

# The plug-in made by COM, run without its page, loads the saved Options too
# and writes what its class factory's filter wrote; unregistered, the host
# says what is missing.
if(PLUGIN)
  run_program(0 regsvr32 /s ${PLUGIN})
  execute_process(COMMAND ${RUN} ${CANTIVO} ${WORK}/rpn.mid --style ${STYLE} --com -o ${WORK}/com.mid RESULT_VARIABLE rc)
  execute_process(COMMAND ${RUN} regsvr32 /s /u ${PLUGIN})
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "the run through COM failed: ${rc}")
  endif()
  file(SHA256 ${WORK}/com.mid through_com)
  file(SHA256 ${WORK}/marked.mid through_factory)
  if(NOT through_com STREQUAL through_factory)
    message(FATAL_ERROR "the filter made through COM gave another file than the one from the class factory")
  endif()
  run(1 ${WORK}/rpn.mid --style ${STYLE} --com -o ${WORK}/unregistered.mid)
  expect("${last_error}" "CoCreateInstance failed \\(0x[0-9A-F]+\\); register the plug-in")
endif()
if(RUN)
  execute_process(COMMAND ${RUN} reg delete "HKCU\\Software\\KELMAR" /f OUTPUT_QUIET ERROR_QUIET)
endif()
