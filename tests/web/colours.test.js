// Under forced colours, dark and light, every caption and line of the window stays legible,
// judged from the pixels the browser drew with the colour rule's own contrast ratio and WCAG
// AA floors (page_colours.cpp, loaded as a module): the ink that stands out most from the
// most common colour of its box reaches AA's floor for text or for lines.
const {test, expect, facts, pixels, keepPicture} = require("./fixtures");
const loadPageColours = require(process.env.GAVRENTO_PAGE_COLOURS);

// Each box's most common colour in the client area's PIXELS, and the contrast of the
// farthest colour in the box from it.
function contrastsInBoxes({at}, boxes, rule) {
  return boxes.map(({name, box}) => {
    const counts = new Map();
    for (let y = box.top; y < box.top + box.height; ++y) {
      for (let x = box.left; x < box.left + box.width; ++x) {
        counts.set(at(x, y), (counts.get(at(x, y)) || 0) + 1);
      }
    }
    const commonest = [...counts].sort((a, b) => b[1] - a[1])[0][0];
    return {name, ratio: Math.max(...[...counts.keys()].map(
        (colour) => rule._contrast_ratio(colour, commonest)))};
  });
}

for (const scheme of ["dark", "light"]) {
  test(`under forced colours (${scheme}) every caption and line is legible`, async ({gavrento, context}) => {
    await gavrento.emulateMedia({forcedColors: "active", colorScheme: scheme});
    await expect.poll(() => gavrento.evaluate(() => matchMedia("(forced-colors: active)").matches))
        .toBe(true);
    await keepPicture(gavrento, `screenshot-web-forced-${scheme}.png`);
    // The window's face is the user's button face.
    const buttonFace = await gavrento.evaluate(() => {
      const probe = document.body.appendChild(document.createElement("span"));
      probe.style.color = "ButtonFace";
      return getComputedStyle(probe).color;
    });
    await expect(gavrento.locator(".client")).toHaveCSS("background-color", buttonFace);
    const drawn = await pixels(context, await gavrento.locator(".client").screenshot());
    // The lines' boxes widened by a pixel each way, so the face is the commonest colour.
    const lines = facts.lines.map(({name, box}) => ({name, box: {
      left: box.left - 1, top: box.top - 1, width: box.width + 2, height: box.height + 2}}));
    const labels = facts.controls.filter((c) => c.coloured);
    const rule = await loadPageColours({noInitialRun: true});
    const text = contrastsInBoxes(drawn, labels, rule);
    const strokes = contrastsInBoxes(drawn, lines, rule);
    console.log(`forced colours ${scheme}: captions ${Math.min(...text.map((t) => t.ratio)).toFixed(2)}:1` +
                ` at least, lines ${Math.min(...strokes.map((t) => t.ratio)).toFixed(2)}:1 at least`);
    for (const {name, ratio} of text) expect(ratio, name).toBeGreaterThanOrEqual(rule._wcag_aa(0));
    for (const {name, ratio} of strokes) expect(ratio, name).toBeGreaterThanOrEqual(rule._wcag_aa(1));
  });
}
