# SPDX-License-Identifier: GPL-3.0-or-later
# From QUELLIX_RELEASE_DATE (YYYY-MM-DD), the forms of the date that the
# About box and the Debian changelog show:
#   QUELLIX_RELEASE_MONTH     "April 2001"
#   QUELLIX_RELEASE_YEAR and QUELLIX_RELEASE_MONTH_NUMBER   2001 and 4, for
#                             the month in the program's language
#   QUELLIX_CHANGELOG_DATE    "Sun, 01 Apr 2001 12:00:00 +0000"
if(NOT QUELLIX_RELEASE_DATE MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
  message(FATAL_ERROR "QUELLIX_RELEASE_DATE must read YYYY-MM-DD, not '${QUELLIX_RELEASE_DATE}'")
endif()
set(_year ${CMAKE_MATCH_1})
set(_day_text ${CMAKE_MATCH_3})
math(EXPR _month "${CMAKE_MATCH_2} - 1")
math(EXPR _day "${_day_text}")
if(_month LESS 0 OR _month GREATER 11 OR _day LESS 1 OR _day GREATER 31)
  message(FATAL_ERROR "QUELLIX_RELEASE_DATE '${QUELLIX_RELEASE_DATE}' is no date")
endif()

set(_months January February March April May June July August September October November December)
list(GET _months ${_month} _month_name)
set(QUELLIX_RELEASE_MONTH "${_month_name} ${_year}")
set(QUELLIX_RELEASE_YEAR ${_year})
math(EXPR QUELLIX_RELEASE_MONTH_NUMBER "${_month} + 1")

# The weekday by Sakamoto's rule: 0 is Sunday.
set(_y ${_year})
if(_month LESS 2)
  math(EXPR _y "${_y} - 1")
endif()
set(_offsets 0 3 2 5 0 3 5 1 4 6 2 4)
list(GET _offsets ${_month} _offset)
math(EXPR _weekday "(${_y} + ${_y} / 4 - ${_y} / 100 + ${_y} / 400 + ${_offset} + ${_day}) % 7")
set(_weekdays Sun Mon Tue Wed Thu Fri Sat)
list(GET _weekdays ${_weekday} _weekday_name)
string(SUBSTRING "${_month_name}" 0 3 _month_abbreviation)
set(QUELLIX_CHANGELOG_DATE "${_weekday_name}, ${_day_text} ${_month_abbreviation} ${_year} 12:00:00 +0000")
