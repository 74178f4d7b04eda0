# The part of the game's face that the browser downloads: the glyphs of what
# the game prints into its picture (the caption is the browser's own text),
# made from VORK_FONT_FILE by assets/make_font_subset.py (Debian's fonttools).
# Targets that read VORK_FONT_SUBSET_FILE depend on vork_font_subset.
# tests/platform checks that a whole match prints nothing else.
set(VORK_FONT_SUBSET_CHARACTERS " !ACEGKMNORSVaceiklmortvxy")
set(VORK_FONT_SUBSET_FILE ${PROJECT_BINARY_DIR}/font/vork-sans.ttf)
file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/font)

add_custom_command(
  OUTPUT ${VORK_FONT_SUBSET_FILE}
  COMMAND ${PROJECT_SOURCE_DIR}/assets/make_font_subset.py ${VORK_FONT_FILE} "${VORK_FONT_SUBSET_CHARACTERS}"
          ${VORK_FONT_SUBSET_FILE}
  DEPENDS ${VORK_FONT_FILE} ${PROJECT_SOURCE_DIR}/assets/make_font_subset.py
  COMMENT "Subsetting ${VORK_FONT_FILE} for the browser"
  VERBATIM)
add_custom_target(vork_font_subset DEPENDS ${VORK_FONT_SUBSET_FILE})
