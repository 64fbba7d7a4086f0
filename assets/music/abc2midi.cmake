# Turns one ABC tune into a MIDI file. abc2midi exits with 0 even when it reports
# errors, so its messages decide: any error or warning fails the build and leaves
# no half-written file behind.
#
#   cmake -DABC2MIDI=<program> -DINPUT=<tune.abc> -DOUTPUT=<tune.mid> -P abc2midi.cmake

foreach(var ABC2MIDI INPUT OUTPUT)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "abc2midi.cmake: ${var} is not set")
    endif()
endforeach()

file(REMOVE "${OUTPUT}")
execute_process(
    COMMAND "${ABC2MIDI}" "${INPUT}" 1 -o "${OUTPUT}"
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)

if(NOT result EQUAL 0 OR output MATCHES "Error|Warning" OR NOT EXISTS "${OUTPUT}")
    file(REMOVE "${OUTPUT}")
    message(FATAL_ERROR "abc2midi could not convert ${INPUT} cleanly:\n${output}")
endif()
