# Writes the AppStream metainfo from its template. AppStream takes a screenshot only by a web
# address, so without one the screenshots element is left out.
# Set METAINFO_TEMPLATE, METAINFO_OUTPUT and METAINFO_SCREENSHOT_URL, then include this file or run
# it with cmake -D... -P.
file(READ ${METAINFO_TEMPLATE} text)
if(METAINFO_SCREENSHOT_URL)
  string(REPLACE "&" "&amp;" url "${METAINFO_SCREENSHOT_URL}")
  string(REPLACE "@MOSARET_SCREENSHOT_URL@" "${url}" text "${text}")
else()
  string(REGEX REPLACE "  <screenshots>.*</screenshots>\n" "" text "${text}")
endif()
file(CONFIGURE OUTPUT ${METAINFO_OUTPUT} CONTENT "${text}" @ONLY)
