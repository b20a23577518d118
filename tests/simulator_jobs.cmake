# The simulator on several threads prints what it prints on one, line for
# line, apart from its own timing.
foreach(jobs 1 3)
  execute_process(COMMAND ${simulator} --tournaments 12 --seed 7 --policy random --jobs ${jobs}
                  OUTPUT_VARIABLE out RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "tarvix-sim --jobs ${jobs} failed (${status}):\n${out}")
  endif()
  string(REGEX REPLACE "; [0-9.]+ s wall on [^;]*;" ";" out_${jobs} "${out}")
endforeach()
if(NOT out_1 STREQUAL out_3)
  message(FATAL_ERROR "one job:\n${out_1}\nthree jobs:\n${out_3}")
endif()
