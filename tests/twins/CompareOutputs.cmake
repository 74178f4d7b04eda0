# Runs the native program and the wasm one under Node and fails unless both
# succeed and print the same. -DNATIVE= -DNODE= -DRUNNER= -DWASM=
execute_process(COMMAND ${NATIVE} OUTPUT_VARIABLE native RESULT_VARIABLE native_status)
execute_process(COMMAND ${NODE} --no-warnings ${RUNNER} ${WASM} OUTPUT_VARIABLE wasm RESULT_VARIABLE wasm_status)
message("native:\n${native}wasm32-wasi under Node:\n${wasm}")
if(NOT native_status EQUAL 0 OR NOT wasm_status EQUAL 0)
  message(FATAL_ERROR "exit status: native ${native_status}, wasm ${wasm_status}")
endif()
if(native STREQUAL "" OR NOT native STREQUAL wasm)
  message(FATAL_ERROR "the wasm build draws other pixels than the native build")
endif()
