# Runs the real soyka-trace binary: a good image ends with status 0, a bad one with the one-line
# error and status 2.
execute_process(COMMAND ${TRACE} INPUT_FILE ${DATA}/factorial.txt
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0 OR NOT out MATCHES "ShowDisplayRow 1 5 000001111000 120\n" OR
   NOT out MATCHES "END halted\n" OR NOT out MATCHES "Commands 16\n" OR NOT err STREQUAL "")
  message(FATAL_ERROR "factorial run: status ${status}, stderr '${err}'")
endif()

execute_process(COMMAND ${TRACE} --mode tact INPUT_FILE ${DATA}/bad-word.txt
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 2 OR NOT out STREQUAL "" OR
   NOT err STREQUAL "soyka-trace: line 3: not a 12-bit word of the digits 0 and 1\n")
  message(FATAL_ERROR "bad word: status ${status}, stdout '${out}', stderr '${err}'")
endif()

execute_process(COMMAND ${TRACE} --max-commands INPUT_FILE ${DATA}/factorial.txt
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 2 OR NOT out STREQUAL "" OR NOT err MATCHES "^soyka-trace: ")
  message(FATAL_ERROR "missing value: status ${status}, stderr '${err}'")
endif()
