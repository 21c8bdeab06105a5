# Starts the calculator where there is no display and expects a plain message and status 1,
# not the toolkit's abort.
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
            --unset=QT_QPA_PLATFORM ${PROGRAM}
    RESULT_VARIABLE status
    ERROR_VARIABLE errors
    TIMEOUT 20)
if(NOT status EQUAL 1)
    message(FATAL_ERROR "exit status ${status}, expected 1; stderr: ${errors}")
endif()
if(NOT errors MATCHES "no display found")
    message(FATAL_ERROR "stderr does not say that no display was found: ${errors}")
endif()
