# Fails when a test carries none of the suite's labels, so that `ctest -L`
# and `./test --quick` choose from the whole suite. Run by ctest with
# -DCTEST=<ctest> -DBUILD_DIR=<build tree> -DLABELS=<regex of the labels>.
execute_process(COMMAND ${CTEST} --test-dir ${BUILD_DIR} -N -LE "${LABELS}"
                OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT listing MATCHES "Total Tests: 0\n")
  message(FATAL_ERROR "Tests without one of the labels ${LABELS}:\n${listing}")
endif()
