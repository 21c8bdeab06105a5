# Starts the calculator where it cannot open a window and expects one plain line on stderr and
# status 1, never the toolkit's abort; and where it can, without any display, that it starts.
#
# Each case: a name, the environment (";"-free, "," between settings), the arguments, and the
# pattern that its one line must match. No X server answers on display :917.
cmake_minimum_required(VERSION 3.25)

set(cases
    "no display|--unset=QT_QPA_PLATFORM||no display found"
    "X named, no display|QT_QPA_PLATFORM=xcb||no display found"
    "Wayland named, no display|QT_QPA_PLATFORM=wayland||no display found"
    "X display without a server|DISPLAY=:917||the platform \"xcb\" could not be opened: no X server answers on display :917"
    "nonsense platform argument|DISPLAY=:917|-platform,nonsense|the platform \"nonsense\" is not installed.*-platform: .*offscreen"
    "nonsense platform variable|QT_QPA_PLATFORM=nonsense||the platform \"nonsense\" is not installed.*offscreen"
    "Wayland named with its display|QT_QPA_PLATFORM=wayland,WAYLAND_DISPLAY=wayland-917||cannot open a window: the platform \"wayland\""
    "Wayland display alone|WAYLAND_DISPLAY=wayland-917||cannot open a window: .*Start it from a graphical session"
)

foreach(case IN LISTS cases)
    string(REPLACE "|" ";" fields "${case}")
    list(GET fields 0 name)
    list(GET fields 1 environment)
    list(GET fields 2 arguments)
    list(GET fields 3 expected)
    string(REPLACE "," ";" environment "${environment}")
    string(REPLACE "," ";" arguments "${arguments}")
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                --unset=QT_QPA_PLATFORM ${environment} ${PROGRAM} ${arguments}
        RESULT_VARIABLE status
        ERROR_VARIABLE errors
        TIMEOUT 20)
    if(NOT status EQUAL 1)
        message(FATAL_ERROR "${name}: exit status ${status}, expected 1; stderr: ${errors}")
    endif()
    string(REGEX MATCHALL "\n" newlines "${errors}")
    list(LENGTH newlines lines)
    if(NOT lines EQUAL 1 OR NOT errors MATCHES "^oblique-shock-calculator: .*${expected}")
        message(FATAL_ERROR "${name}: stderr is not one line saying '${expected}': ${errors}")
    endif()
endforeach()

# The offscreen platform needs no display: the window opens and waits for its user.
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
            --unset=QT_QPA_PLATFORM ${PROGRAM} --platform offscreen
    RESULT_VARIABLE status
    ERROR_VARIABLE errors
    TIMEOUT 4)
if(NOT status MATCHES "timeout" OR errors MATCHES "display|cannot open")
    message(FATAL_ERROR "offscreen without a display: status ${status}, expected it still running; "
                        "stderr: ${errors}")
endif()
