# Renders OUTPUT, the icon a system may cut to any shape (cmake -P): the one drawing (SVG)
# at three quarters of the icon's width, so that all of it lies in the safe zone (the
# central circle of 80 % of the width, which every mask keeps), on the drawing's own tile
# colour, read from it, out to the edges.
execute_process(
  COMMAND ${PYTHON} -c "import sys, xml.etree.ElementTree as tree
print(tree.parse(sys.argv[1]).find('{http://www.w3.org/2000/svg}rect').get('fill'))" ${SVG}
  OUTPUT_VARIABLE tile OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
execute_process(
  COMMAND ${RSVG_CONVERT} -w 384 -h 384 --page-width 512 --page-height 512 --left 64 --top 64
          --background-color ${tile} -o ${OUTPUT} ${SVG}
  COMMAND_ERROR_IS_FATAL ANY)
