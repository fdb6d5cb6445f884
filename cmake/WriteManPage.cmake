# Writes the manual page veltrane(1) from the command's own help texts, so
# that it cannot drift from the tool: help2man reads `veltrane --help` and
# `--version`, and each command listed there gets a section of its own with
# what `veltrane COMMAND --help` prints. Sections the help cannot give (files,
# environment) come from SECTIONS. Run in script mode:
#   cmake -DVELTRANE=... -DHELP2MAN=... -DSECTIONS=... -DWORK=... -DOUTPUT=veltrane.1.gz -P WriteManPage.cmake

function(help_text out)
  execute_process(COMMAND ${VELTRANE} ${ARGN} OUTPUT_VARIABLE text RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "veltrane ${ARGN} failed (${failed})")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Text set as printed: backslashes and minus signs escaped, and no line read
# as a roff request or as a help2man section or pattern.
function(literal_roff out text)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  # CMake's ^ matches again after each replacement, so lines are found by their "\n".
  string(REGEX REPLACE "\n([.'[/])" "\n\\\\&\\1" text "\n${text}")
  string(SUBSTRING "${text}" 1 -1 text)
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

help_text(main --help)
string(REGEX MATCH "\nCommands:\n(  [^\n]*\n)+" listing "${main}")
string(REGEX MATCHALL "\n  [a-z][a-z0-9-]*" commands "${listing}")
if(NOT commands)
  message(FATAL_ERROR "no commands found in the output of 'veltrane --help'")
endif()

file(READ ${SECTIONS} include)
string(APPEND include "\n[COMMANDS]\nEach command prints its part with \\fB\\-\\-help\\fR.\n")
foreach(entry IN LISTS commands)
  string(STRIP "${entry}" command)
  if(command STREQUAL "help")
    continue()
  endif()
  help_text(text ${command} --help)
  literal_roff(text "${text}")
  string(APPEND include ".SS \"veltrane ${command}\"\n.nf\n${text}.fi\n")
endforeach()

file(MAKE_DIRECTORY ${WORK})
file(WRITE ${WORK}/sections.h2m "${include}")
execute_process(
  COMMAND ${HELP2MAN} --no-info --section=1 "--name=render audio through the VeltraneFree plug-in and show its editor"
          --include=${WORK}/sections.h2m --output=${WORK}/veltrane.1 ${VELTRANE}
  RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "help2man failed (${failed})")
endif()
# Debian wants manual pages compressed to the maximum, without a time stamp.
execute_process(COMMAND gzip -9nc ${WORK}/veltrane.1 OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "gzip failed (${failed})")
endif()
