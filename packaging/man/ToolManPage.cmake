# Writes pennivel-tool's man page around the text of its own --help, so the page
# cannot fall behind the program.
# In: TOOL (the built program), TEMPLATE, OUTPUT, PROJECT_VERSION.
execute_process(COMMAND ${TOOL} --help OUTPUT_VARIABLE usage RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${TOOL} --help failed: ${status}")
endif()
string(REGEX REPLACE "\n$" "" usage "${usage}")
# Plain text becomes roff: backslashes print as themselves, "-" stays a minus sign
# (so options can be copied from the page), and a line starting with "." or "'"
# is not read as a request.
string(REPLACE "\\" "\\e" usage "${usage}")
string(REPLACE "-" "\\-" usage "${usage}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" usage "${usage}")
set(TOOL_USAGE "${usage}")
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
