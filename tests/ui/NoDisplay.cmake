# Starts the calculator where there is no display, by default and with the X platform named,
# and expects a plain message and status 1, not the toolkit's abort.
foreach(platform "" "xcb" "wayland")
    if(platform STREQUAL "")
        set(choice --unset=QT_QPA_PLATFORM)
    else()
        set(choice "QT_QPA_PLATFORM=${platform}")
    endif()
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY ${choice}
                ${PROGRAM}
        RESULT_VARIABLE status
        ERROR_VARIABLE errors
        TIMEOUT 20)
    if(NOT status EQUAL 1)
        message(FATAL_ERROR "platform '${platform}': exit status ${status}, expected 1; "
                            "stderr: ${errors}")
    endif()
    if(NOT errors MATCHES "no display found")
        message(FATAL_ERROR "platform '${platform}': stderr does not say that no display was "
                            "found: ${errors}")
    endif()
endforeach()
