# The program folder holds the pages and pictures in the formats and sizes the window and the pages
# expect, and every picture that the page templates name exists there.

# Reads the format and pixel size of a PNG or GIF from its header into <prefix>_FORMAT, _WIDTH, _HEIGHT.
function(read_picture_header file prefix)
  file(READ "${file}" head LIMIT 24 HEX)
  set(format "unknown")
  set(width 0)
  set(height 0)
  if(head MATCHES "^89504e470d0a1a0a........49484452(........)(........)")
    set(format PNG)
    math(EXPR width "0x${CMAKE_MATCH_1}")
    math(EXPR height "0x${CMAKE_MATCH_2}")
  elseif(head MATCHES "^47494638(37|39)61(..)(..)(..)(..)")
    # GIF sizes are little-endian 16-bit numbers.
    set(format GIF)
    math(EXPR width "0x${CMAKE_MATCH_3}${CMAKE_MATCH_2}")
    math(EXPR height "0x${CMAKE_MATCH_5}${CMAKE_MATCH_4}")
  endif()
  set(${prefix}_FORMAT ${format} PARENT_SCOPE)
  set(${prefix}_WIDTH ${width} PARENT_SCOPE)
  set(${prefix}_HEIGHT ${height} PARENT_SCOPE)
endfunction()

# name, format, width, height; a width of 0 means any width (the title strips fit their text).
set(pictures
  "img/vcf_e.png PNG 0 18"
  "img/trn_e.png PNG 0 18"
  "img/bin_e.png PNG 0 18"
  "img/sqr_s.gif GIF 7 7"
  "img/label_verb.png PNG 41 16"
  "img/label_list.png PNG 54 16"
  "img/splash.png PNG 502 273"
  "img/icon16.png PNG 16 16"
  "img/icon24.png PNG 24 24"
  "img/icon32.png PNG 32 32"
  "img/icon48.png PNG 48 48")

set(failures 0)
foreach(row IN LISTS pictures)
  separate_arguments(row)
  list(GET row 0 name)
  list(GET row 1 format)
  list(GET row 2 width)
  list(GET row 3 height)
  if(NOT EXISTS "${APP_DIR}/${name}")
    message(SEND_ERROR "${name}: missing")
    math(EXPR failures "${failures} + 1")
    continue()
  endif()
  read_picture_header("${APP_DIR}/${name}" picture)
  if(NOT picture_FORMAT STREQUAL format)
    message(SEND_ERROR "${name}: a ${picture_FORMAT} file, expected ${format}")
    math(EXPR failures "${failures} + 1")
  elseif((NOT width EQUAL 0 AND NOT picture_WIDTH EQUAL width) OR NOT picture_HEIGHT EQUAL height
         OR picture_WIDTH EQUAL 0)
    message(SEND_ERROR "${name}: ${picture_WIDTH} x ${picture_HEIGHT}, expected ${width} x ${height}")
    math(EXPR failures "${failures} + 1")
  endif()
endforeach()

# Every picture the generated pages name must be there, or the pages show broken images.
file(READ "${PAGE_TEMPLATES}" templates)
string(REGEX MATCHALL "img/[A-Za-z0-9_]+\\.[a-z]+" referenced "${templates}")
list(REMOVE_DUPLICATES referenced)
list(LENGTH referenced referenced_count)
if(referenced_count EQUAL 0)
  message(SEND_ERROR "no picture references found in ${PAGE_TEMPLATES}")
  math(EXPR failures "${failures} + 1")
endif()
foreach(name IN LISTS referenced)
  if(NOT EXISTS "${APP_DIR}/${name}")
    message(SEND_ERROR "${name}: named by the page templates but not in the program folder")
    math(EXPR failures "${failures} + 1")
  endif()
endforeach()

# The pages are UTF-8 and say so, and the start page styles the span classes of the page text.
foreach(page welcome.htm index-en.htm index.htm)
  if(NOT EXISTS "${APP_DIR}/${page}")
    message(SEND_ERROR "${page}: missing")
    math(EXPR failures "${failures} + 1")
    continue()
  endif()
  file(STRINGS "${APP_DIR}/${page}" charset REGEX "<meta charset=\"utf-8\">")
  if(NOT charset)
    message(SEND_ERROR "${page}: no UTF-8 charset declaration")
    math(EXPR failures "${failures} + 1")
  endif()
endforeach()

# Every link inside a guide ("#name") leads to an element of that guide with that id.
foreach(guide index-en.htm index.htm)
  if(NOT EXISTS "${APP_DIR}/${guide}")
    continue()
  endif()
  file(READ "${APP_DIR}/${guide}" text)
  string(REGEX MATCHALL "href=\"#[A-Za-z0-9_-]+\"" links "${text}")
  list(REMOVE_DUPLICATES links)
  foreach(link IN LISTS links)
    string(REGEX REPLACE "href=\"#([A-Za-z0-9_-]+)\"" "\\1" target "${link}")
    string(FIND "${text}" "id=\"${target}\"" at)
    if(at EQUAL -1)
      message(SEND_ERROR "${guide}: the link #${target} leads nowhere")
      math(EXPR failures "${failures} + 1")
    endif()
  endforeach()
endforeach()
file(READ "${APP_DIR}/welcome.htm" welcome)
foreach(selector "span.gray" "span.orange")
  string(FIND "${welcome}" "${selector} {" at)
  if(at EQUAL -1)
    message(SEND_ERROR "welcome.htm: no style for ${selector}")
    math(EXPR failures "${failures} + 1")
  endif()
endforeach()

if(failures GREATER 0)
  message(FATAL_ERROR "${failures} problem(s) in the program folder")
endif()
