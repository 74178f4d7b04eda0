# vork_dep5_text(<var> <file> <first words>): the licence text of <file>, from
# the line that starts with <first words> to the end, laid out as the body of
# a Debian copyright file's License field: every line indented by one space,
# blank lines written as " .". The copyright file is built from the licence
# files this way so that the two can never disagree.
function(vork_dep5_text var file firstWords)
  file(READ ${file} text)
  string(FIND "${text}" "${firstWords}" start)
  if(start EQUAL -1)
    message(FATAL_ERROR "${file} has no line starting \"${firstWords}\"")
  endif()
  string(SUBSTRING "${text}" ${start} -1 text)
  string(STRIP "${text}" text)
  string(REPLACE "\n" "\n " text " ${text}")
  # One pass cannot mark two blank lines in a row: each needs the newline the other used.
  while(text MATCHES "\n \n")
    string(REPLACE "\n \n" "\n .\n" text "${text}")
  endwhile()
  set(${var} "${text}" PARENT_SCOPE)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${file})
endfunction()
