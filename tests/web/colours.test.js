// Under forced colours, dark and light, on a desktop and on a phone, every caption and line of
// the window stays legible,
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

// Each record's box as drawn in the client area, widened by some pixels each way.
function drawnBoxes(page, records, widen) {
  return page.locator(".client").evaluate((client, {names, widen}) => names.map((name) => {
    const [c, e] = [client, client.querySelector(`[data-name="${name}"]`)].map((x) => x.getBoundingClientRect());
    return {name, box: {left: Math.round(e.x - c.x) - widen, top: Math.round(e.y - c.y) - widen,
                        width: Math.round(e.width) + 2 * widen, height: Math.round(e.height) + 2 * widen}};
  }), {names: records.map((r) => r.name), widen});
}

for (const [scheme, phone] of [["dark", false], ["light", false], ["dark", true], ["light", true]]) {
  test(`under forced colours (${scheme})${phone ? " on a phone" : ""} every caption and line is legible`, async ({gavrento, context}) => {
    if (phone) await gavrento.setViewportSize({width: 360, height: 640});
    await gavrento.emulateMedia({forcedColors: "active", colorScheme: scheme});
    await expect.poll(() => gavrento.evaluate(() => matchMedia("(forced-colors: active)").matches))
        .toBe(true);
    await keepPicture(gavrento, `screenshot-web${phone ? "-phone" : ""}-forced-${scheme}.png`);
    // The window's face is the user's button face.
    const buttonFace = await gavrento.evaluate(() => {
      const probe = document.body.appendChild(document.createElement("span"));
      probe.style.color = "ButtonFace";
      return getComputedStyle(probe).color;
    });
    await expect(gavrento.locator(".client")).toHaveCSS("background-color", buttonFace);
    const drawn = await pixels(context, await gavrento.locator(".client").screenshot());
    // The lines' boxes widened by a pixel each way, so the face is the commonest colour.
    const lines = await drawnBoxes(gavrento, facts.lines, 1);
    const labels = await drawnBoxes(gavrento, facts.controls.filter((c) => c.coloured), 0);
    const rule = await loadPageColours({noInitialRun: true});
    const text = contrastsInBoxes(drawn, labels, rule);
    const strokes = contrastsInBoxes(drawn, lines, rule);
    console.log(`forced colours ${scheme}: captions ${Math.min(...text.map((t) => t.ratio)).toFixed(2)}:1` +
                ` at least, lines ${Math.min(...strokes.map((t) => t.ratio)).toFixed(2)}:1 at least`);
    for (const {name, ratio} of text) expect(ratio, name).toBeGreaterThanOrEqual(rule._wcag_aa(0));
    for (const {name, ratio} of strokes) expect(ratio, name).toBeGreaterThanOrEqual(rule._wcag_aa(1));
  });
}

test("pictures of the page, normal and on a phone", async ({gavrento}) => {
  test.skip(!process.env.GAVRENTO_WEB_SCREENSHOTS, "GAVRENTO_WEB_SCREENSHOTS names no folder");
  await keepPicture(gavrento, "screenshot-web.png");
  await gavrento.setViewportSize({width: 360, height: 640});
  await keepPicture(gavrento, "screenshot-web-phone.png");
});
