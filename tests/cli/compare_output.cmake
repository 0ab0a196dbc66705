# Runs korvane-cli (through the Wine emulator) on a request and compares what it writes, both to a
# file and to standard output, with the expected bytes.
#   cmake -DEMULATOR=... -DCLI=... -DREQUEST=... -DEXPECTED=... -DWORK=... -P compare_output.cmake
file(MAKE_DIRECTORY "${WORK}")
set(out_file "${WORK}/plugin.out")
file(REMOVE "${out_file}")
execute_process(COMMAND "${EMULATOR}" "${CLI}" generate "${REQUEST}" -o "${out_file}" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "korvane-cli exited with ${rc}")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${out_file}" "${EXPECTED}" RESULT_VARIABLE differs)
if(differs)
  message(FATAL_ERROR "the file written differs from ${EXPECTED}")
endif()
execute_process(COMMAND "${EMULATOR}" "${CLI}" generate "${REQUEST}" OUTPUT_FILE "${WORK}/stdout.out" RESULT_VARIABLE rc)
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${WORK}/stdout.out" "${EXPECTED}" RESULT_VARIABLE differs)
if(NOT rc EQUAL 0 OR differs)
  message(FATAL_ERROR "standard output differs from ${EXPECTED} (exit ${rc})")
endif()
