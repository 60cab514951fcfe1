# The README's session must show what flopdir prints for the sample, as a
# UTF-8 terminal shows it: each byte from 0x80 up, not being UTF-8, as U+FFFD.
#   cmake -DREADME=README.md -DLISTING=examples/sample.txt -P readme_session.cmake
set(prompt "    $ flopdir examples/sample.d88\n")
file(READ ${README} readme)
string(FIND "${readme}" "${prompt}" start)
string(FIND "${readme}" "    $ echo $?\n" end)
if(start EQUAL -1 OR end LESS start)
  message(FATAL_ERROR "${README} has no session of flopdir examples/sample.d88")
endif()
string(LENGTH "${prompt}" prompt_length)
math(EXPR start "${start} + ${prompt_length}")
math(EXPR length "${end} - ${start}")
string(SUBSTRING "${readme}" ${start} ${length} shown)
# Each line without its indent of four spaces.
string(REPLACE "\n    " "\n" shown "\n${shown}")
string(SUBSTRING "${shown}" 1 -1 shown)
string(HEX "${shown}" shown)

file(READ ${LISTING} listing HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\\1 " listing "${listing}")
string(REGEX REPLACE "[89a-f][0-9a-f] " "efbfbd " listing "${listing}")
string(REPLACE " " "" listing "${listing}")
if(NOT shown STREQUAL listing)
  message(FATAL_ERROR "The session in ${README} does not show what ${LISTING} holds")
endif()
