# cantivo_add_rule_module(TARGET NUMBER FOLDER SOURCES...)
# Builds a rule module as R<NUMBER>.DLL into FOLDER, on Windows and on POSIX.
function(cantivo_add_rule_module target number folder)
  add_library(${target} MODULE ${ARGN})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/include)
  if(NOT WIN32)
    target_link_libraries(${target} PRIVATE cantivo_movable)
    set_target_properties(${target} PROPERTIES CXX_VISIBILITY_PRESET hidden)
  endif()
  set_target_properties(${target} PROPERTIES
    PREFIX ""
    OUTPUT_NAME R${number}
    SUFFIX ".DLL"
    LIBRARY_OUTPUT_DIRECTORY ${folder}
    RUNTIME_OUTPUT_DIRECTORY ${folder})
endfunction()
