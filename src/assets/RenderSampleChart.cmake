# Runs "corvane-chart render" for one sample chart of the start window.
# A renderer that fails leaves an empty file, so that the rest of the build
# goes on; the program then shows a placeholder and the asset tests fail.
# Expects CHART, DATA, WEDGE and OUT.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          ${CHART} render --data ${DATA} --setup std --depth 10 --width 10 --length 10
          --wedge ${WEDGE} --out ${OUT} --scale 2
  RESULT_VARIABLE result
  ERROR_VARIABLE errors)
if(NOT result EQUAL 0 OR NOT EXISTS ${OUT})
  message(WARNING "The sample chart (wedge ${WEDGE}) was not rendered: ${result} ${errors}")
  file(WRITE ${OUT} "")
endif()
