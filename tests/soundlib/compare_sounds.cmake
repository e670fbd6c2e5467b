# Runs the sound generator into OUT and compares each file with ASSETS.
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${GENERATOR} ${OUT} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "make_sounds failed: ${rc}")
endif()
foreach(name "その他.wav" "禁止.wav" "駒打音.wav" "BGM.wav" "秒読み.wav")
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/${name} ${ASSETS}/${name}
                  RESULT_VARIABLE differ)
  if(NOT differ EQUAL 0)
    message(FATAL_ERROR "${name} differs from the generator's output")
  endif()
endforeach()
