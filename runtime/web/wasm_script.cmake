# Writes SITE/gavrento.wasm.js, the program's bytes as a script (cmake -P): a page opened
# from a file may not fetch gavrento.wasm, but it may run a script beside it. Hex, as CMake
# writes it; served pages never ask for it.
file(READ ${SITE}/gavrento.wasm bytes HEX)
file(WRITE ${SITE}/gavrento.wasm.js
  "// Gavrento's program for a page opened from a file (page.js); made from gavrento.wasm.\n"
  "self.gavrentoProgram = \"${bytes}\";\n")
