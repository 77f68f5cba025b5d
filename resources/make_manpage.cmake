# Writes the manual page from the program's own option list, as `quillbox --help` prints it.
#   cmake -DPROGRAM=... -DTEMPLATE=quillbox.1.in -DOUTPUT=quillbox.1 -DVERSION=... -P make_manpage.cmake
# In English whatever the language of the session that builds it.
execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C ${PROGRAM} --help
    OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} --help failed: ${status}")
endif()
string(REGEX REPLACE "^.*\nOptions:\n" "" help "${help}")
string(REPLACE "\\" "\\\\" help "${help}")
string(REPLACE "-" "\\-" help "${help}")
# Semicolons would split the list of lines: they travel as a mark of their own.
string(REPLACE ";" "<semicolon>" help "${help}")
string(REPLACE "\n" ";" lines "${help}")
set(OPTIONS "")
foreach(line IN LISTS lines)
    if(line MATCHES "^  (\\\\-[^ ].*[^ ])   *([^ ].*)$")
        # An option with its names, then the start of its description.
        set(description "${CMAKE_MATCH_2}")
        string(REGEX REPLACE "<([A-Z]+)>" "\\\\fI\\1\\\\fB" names "${CMAKE_MATCH_1}")
        string(APPEND OPTIONS ".TP\n\\fB${names}\\fR\n${description}\n")
    elseif(line MATCHES "^   +([^ ].*)$")
        string(APPEND OPTIONS "${CMAKE_MATCH_1}\n")
    endif()
endforeach()
string(REPLACE "<semicolon>" ";" OPTIONS "${OPTIONS}")
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
