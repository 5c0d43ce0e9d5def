# Runs the sound generator into OUT and fails unless every file it writes is byte for
# byte the one committed in ASSETS: the committed sounds are exactly what our own
# generator makes, and a change to the generator shows until the sounds are made again.
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${TOOL} ${OUT} RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the generator failed: ${status}")
endif()
set(names その他.wav 禁止.wav 駒打音.wav 終局.wav BGM.wav)
foreach(name IN LISTS names)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/${name} ${ASSETS}/${name}
    RESULT_VARIABLE differs)
  if(NOT differs EQUAL 0)
    message(FATAL_ERROR "${name}: the committed file is not what the generator makes now")
  endif()
endforeach()
file(REMOVE_RECURSE ${OUT})
