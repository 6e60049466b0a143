# The setup program in a Wine prefix of its own, made here: a silent install
# that registers a working plug-in, an upgrade over it that keeps what the user
# put there, and the uninstaller taking away the rest.
#   cmake -DWINE_RUN=<scripts/wine-run> -DSETUP=<setup.exe> -DBIN=<build's bin> -DEXAMPLE=<example.mid>
#         -DSTYLE=<Folder/Name> -DWORK=<folder> -P setup_cycle.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/../support/program_checks.cmake)

set(prefix ${WORK}/wineprefix)
set(RUN ${WINE_RUN} --prefix ${prefix})
set(installed "${prefix}/drive_c/Program Files/Cantivo")
set(install_folder "C:\\Program Files\\Cantivo")
set(filter_key "HKCR\\CLSID\\{6F1C0A52-3B7E-4C1D-9A20-5E1B7C40D201}")
set(page_key "HKCR\\CLSID\\{6F1C0A52-3B7E-4C1D-9A20-5E1B7C40D202}")
set(host_key "HKLM\\Software\\Cakewalk Music Software\\MIDI Filters\\{6F1C0A52-3B7E-4C1D-9A20-5E1B7C40D201}")
set(uninstall_key "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Cantivo")

# What setup ships, relative to the install folder, as the build made it.
file(GLOB modules RELATIVE ${BIN} ${BIN}/R*.DLL)
file(GLOB styles RELATIVE ${BIN} ${BIN}/STYLES/*/*.cnv)
set(shipped QVB20x64.dll QVB20.chm cantivo.exe cnvtool.exe ${modules} ${styles})
if(NOT modules OR NOT styles)
  message(FATAL_ERROR "no rule modules or styles in ${BIN}")
endif()

# What the user does to the install: a style of their own, a bundled style
# changed, the state file a host's Apply writes.
set(own_style "STYLES/Mine/Own.cnv")
list(GET styles 0 changed_style)
set(state_file qvb20.sta)
set(users_files ${own_style} ${changed_style} ${state_file})

function(expect_literal text literal)
  string(FIND "${text}" "${literal}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "expected '${literal}' in:\n${text}")
  endif()
endfunction()

function(expect_same_file built copy)
  file(SHA256 ${built} built_sum)
  file(SHA256 ${copy} copy_sum)
  if(NOT built_sum STREQUAL copy_sum)
    message(FATAL_ERROR "${copy} differs from ${built}")
  endif()
endfunction()

# expect_shipped_files([CHANGED...]): the shipped files are the build's, except
# those the user changed.
function(expect_shipped_files)
  foreach(file ${shipped} Uninstall.exe)
    if(NOT EXISTS ${installed}/${file})
      message(FATAL_ERROR "setup left out ${file}")
    endif()
  endforeach()
  foreach(file ${shipped})
    if(NOT file IN_LIST ARGN)
      expect_same_file(${BIN}/${file} ${installed}/${file})
    endif()
  endforeach()
endfunction()

# The plug-in registers itself (its entries are the registration test's); here
# it does so from the install folder, and setup adds its uninstaller.
function(expect_registered)
  foreach(key ${filter_key} ${page_key})
    run_program(0 reg query ${key}\\InprocServer32)
    expect_literal("${last_output}" "REG_SZ    ${install_folder}\\QVB20x64.dll")
  endforeach()
  run_program(0 reg query ${uninstall_key} /v UninstallString)
  expect_literal("${last_output}" "\"${install_folder}\\Uninstall.exe\"")
endfunction()

# Setup says when it could not install: here a folder holds the plug-in's name.
file(MAKE_DIRECTORY ${WORK}/blocked/QVB20x64.dll)
string(REPLACE "/" "\\" blocked "Z:${WORK}/blocked")
run_program(2 ${SETUP} /S "/D=${blocked}")

# A silent install into the default folder registers the plug-in.
run_program(0 ${SETUP} /S)
expect_shipped_files()
expect_registered()

# COM finds the installed filter, which runs a bundled style with the
# installed rule modules as the build's own plug-in does.
run_program(0 "${install_folder}\\cantivo.exe" ${EXAMPLE} --style ${STYLE} --com -o ${WORK}/installed.mid
            --save-state "${install_folder}\\${state_file}")
run_program(0 ${BIN}/cantivo.exe ${EXAMPLE} --style ${STYLE} -o ${WORK}/built.mid)
expect_same_file(${WORK}/built.mid ${WORK}/installed.mid)

# An upgrade replaces the program files and keeps what the user made.
file(WRITE ${installed}/${own_style} "the user's own style")
file(WRITE ${installed}/${changed_style} "a bundled style the user changed")
file(WRITE ${installed}/cantivo.exe "an earlier version")
list(GET modules 0 module)
file(REMOVE ${installed}/${module})
file(SHA256 ${installed}/${state_file} state_sum)
run_program(0 ${SETUP} /S "/D=${install_folder}")
expect_shipped_files(${changed_style})
expect_registered()
file(READ ${installed}/${changed_style} text)
expect_literal("${text}" "a bundled style the user changed")
file(SHA256 ${installed}/${state_file} kept_state_sum)
if(NOT kept_state_sum STREQUAL state_sum)
  message(FATAL_ERROR "the upgrade changed the state file")
endif()

# The uninstaller takes away the registration and what setup installed. It
# runs on from a copy of itself and is done once its own file has gone.
run_program(0 "${install_folder}\\Uninstall.exe" /S)
foreach(second RANGE 60)
  if(NOT EXISTS ${installed}/Uninstall.exe)
    break()
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E sleep 1)
endforeach()
foreach(key ${filter_key} ${page_key} ${host_key} ${uninstall_key})
  run_program(1 reg query ${key})
endforeach()
foreach(file ${shipped} Uninstall.exe styles.ini)
  if(EXISTS ${installed}/${file} AND NOT file IN_LIST users_files)
    message(FATAL_ERROR "the uninstaller left ${file}")
  endif()
endforeach()
foreach(file ${users_files})
  if(NOT EXISTS ${installed}/${file})
    message(FATAL_ERROR "the uninstaller removed the user's ${file}")
  endif()
endforeach()
get_filename_component(changed_folder ${changed_style} DIRECTORY)
foreach(style ${styles})
  get_filename_component(folder ${style} DIRECTORY)
  if(EXISTS ${installed}/${folder} AND NOT folder STREQUAL changed_folder)
    message(FATAL_ERROR "the uninstaller left the empty folder ${folder}")
  endif()
endforeach()

# The prefix is kept only when the test fails.
execute_process(COMMAND ${CMAKE_COMMAND} -E env WINEPREFIX=${prefix} wineserver -k)
file(REMOVE_RECURSE ${prefix})
