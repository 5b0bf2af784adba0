# Runs "corvane-chart render" for one sample chart of the start window.
# Expects CHART, DATA, WEDGE and OUT. A chart that cannot be rendered stops
# the build: the program must not ship without its sample.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          ${CHART} render --data ${DATA} --setup std --depth 10 --width 10 --length 10
          --wedge ${WEDGE} --out ${OUT} --scale 2
  RESULT_VARIABLE result
  ERROR_VARIABLE errors)
if(NOT result EQUAL 0 OR NOT EXISTS ${OUT})
  file(REMOVE ${OUT})
  message(FATAL_ERROR "The sample chart (wedge ${WEDGE}) could not be rendered: ${result} ${errors}")
endif()
