// Under forced colours, dark and light, on a desktop and on a phone, every caption and line of
// the window stays legible,
// judged from the pixels the browser drew with the colour rule's own contrast ratio and WCAG
// AA floors (page_colours.cpp, loaded as a module): the ink that stands out most from the
// most common colour of its box reaches AA's floor for text or for lines.
const path = require("node:path");
const {test, expect, facts} = require("./fixtures");
const loadPageColours = require(process.env.GAVRENTO_PAGE_COLOURS);

// Keeps pictures for docs/ when GAVRENTO_WEB_SCREENSHOTS names a folder; a phone's whole page.
const pictures = process.env.GAVRENTO_WEB_SCREENSHOTS;
async function keepPicture(page, name) {
  if (pictures) await page.screenshot({path: path.join(pictures, name), fullPage: name.includes("phone")});
}

// Each box's most common colour and every colour in it, as 0xRRGGBB, read in a blank page
// from the screenshot; then the contrast of the farthest of them from the commonest.
async function contrastsInBoxes(context, png, boxes, rule) {
  const probe = await context.newPage();
  const found = await probe.evaluate(async ({bytes, boxes}) => {
    const bitmap = await createImageBitmap(new Blob([new Uint8Array(bytes)]));
    const canvas = new OffscreenCanvas(bitmap.width, bitmap.height);
    const drawing = canvas.getContext("2d");
    drawing.drawImage(bitmap, 0, 0);
    return boxes.map(({name, box}) => {
      const data = drawing.getImageData(box.left, box.top, box.width, box.height).data;
      const counts = new Map();
      for (let i = 0; i < data.length; i += 4) {
        const colour = (data[i] << 16) | (data[i + 1] << 8) | data[i + 2];
        counts.set(colour, (counts.get(colour) || 0) + 1);
      }
      const commonest = [...counts].sort((a, b) => b[1] - a[1])[0][0];
      return {name, commonest, colours: [...counts.keys()]};
    });
  }, {bytes: [...png], boxes});
  await probe.close();
  return found.map(({name, commonest, colours}) =>
    ({name, ratio: Math.max(...colours.map((colour) => rule._contrast_ratio(colour, commonest)))}));
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
    const png = await gavrento.locator(".client").screenshot();
    // The lines' boxes widened by a pixel each way, so the face is the commonest colour.
    const lines = await drawnBoxes(gavrento, facts.lines, 1);
    const labels = await drawnBoxes(gavrento, facts.controls.filter((c) => c.coloured), 0);
    const rule = await loadPageColours({noInitialRun: true});
    const text = await contrastsInBoxes(context, png, labels, rule);
    const drawn = await contrastsInBoxes(context, png, lines, rule);
    console.log(`forced colours ${scheme}: captions ${Math.min(...text.map((t) => t.ratio)).toFixed(2)}:1` +
                ` at least, lines ${Math.min(...drawn.map((t) => t.ratio)).toFixed(2)}:1 at least`);
    for (const {name, ratio} of text) expect(ratio, name).toBeGreaterThanOrEqual(rule._wcag_aa(0));
    for (const {name, ratio} of drawn) expect(ratio, name).toBeGreaterThanOrEqual(rule._wcag_aa(1));
  });
}

test("pictures of the page, normal and on a phone", async ({gavrento}) => {
  test.skip(!pictures, "GAVRENTO_WEB_SCREENSHOTS names no folder");
  await keepPicture(gavrento, "screenshot-web.png");
  await gavrento.setViewportSize({width: 360, height: 640});
  await keepPicture(gavrento, "screenshot-web-phone.png");
});
