# The page fonts resolve, through the program's fonts.conf, to the fonts Debian ships for them.
# Two things are checked per name: the font fontconfig picks, and that this font's family is the
# FIRST family of the pattern after substitution, which is what the page pane's engine requires
# before it accepts a substitute (a family only appended behind the requested name is refused).
# Symbol goes to the program's own placeholder font, which must come from the program folder's
# fonts directory and cover the characters the pages write in Symbol.

if(NOT EXISTS "${FONTS_CONF}")
  message(FATAL_ERROR "no font configuration at ${FONTS_CONF}")
endif()
set(ENV{FONTCONFIG_FILE} "${FONTS_CONF}")

set(aliases
  "Arial=Liberation Sans"
  "Times New Roman=Liberation Serif"
  "David=David CLM"
  "Miriam=Miriam CLM"
  "Arial:bold=Liberation Sans"
  "David:bold=David CLM"
  "Symbol=Quorix Placeholder")

set(failures 0)
foreach(alias IN LISTS aliases)
  string(REPLACE "=" ";" pair "${alias}")
  list(GET pair 0 requested)
  list(GET pair 1 expected)
  execute_process(COMMAND ${FC_MATCH} -f "%{family[0]}" "${requested}"
                  OUTPUT_VARIABLE matched RESULT_VARIABLE match_status)
  execute_process(COMMAND ${FC_PATTERN} -c -f "%{family[0]}" "${requested}"
                  OUTPUT_VARIABLE first RESULT_VARIABLE pattern_status)
  if(NOT match_status EQUAL 0 OR NOT pattern_status EQUAL 0)
    message(SEND_ERROR "${requested}: fontconfig tools failed (${match_status}, ${pattern_status})")
    math(EXPR failures "${failures} + 1")
  elseif(NOT matched STREQUAL expected)
    message(SEND_ERROR "${requested}: matched \"${matched}\", expected \"${expected}\"")
    math(EXPR failures "${failures} + 1")
  elseif(NOT first STREQUAL expected)
    message(SEND_ERROR "${requested}: first family after substitution is \"${first}\", expected \"${expected}\"")
    math(EXPR failures "${failures} + 1")
  else()
    message(STATUS "${requested} -> ${matched}")
  endif()
endforeach()
if(failures GREATER 0)
  message(FATAL_ERROR "${failures} font alias(es) wrong")
endif()

get_filename_component(app_dir "${FONTS_CONF}" DIRECTORY)
execute_process(COMMAND ${FC_MATCH} -f "%{file}" "Symbol" OUTPUT_VARIABLE symbol_file)
if(NOT symbol_file STREQUAL "${app_dir}/fonts/QuorixPlaceholder.ttf")
  message(FATAL_ERROR "Symbol is read from \"${symbol_file}\", not from the program folder")
endif()
# fc-list prints the font only when it covers every listed character: U+008F, the page's &#143;,
# and U+F08F, its symbol-encoded form.
execute_process(COMMAND ${FC_LIST} "Quorix Placeholder:charset=8f f08f" file OUTPUT_VARIABLE covering)
if(NOT covering MATCHES "QuorixPlaceholder\\.ttf")
  message(FATAL_ERROR "the placeholder font does not cover U+008F and U+F08F")
endif()
