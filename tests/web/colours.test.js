// Under forced colours, dark and light, every caption and line of the window stays legible,
// judged from the pixels the browser drew with the colour rule's own contrast ratio and WCAG
// AA floors (page_colours.cpp, loaded as a module): the ink that stands out most from the
// most common colour of its box reaches AA's floor for text or for lines.
const {test, expect, facts, keepPicture} = require("./fixtures");
const loadPageColours = require(process.env.GAVRENTO_PAGE_COLOURS);

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
    const png = await gavrento.locator(".client").screenshot();
    // The lines' boxes widened by a pixel each way, so the face is the commonest colour.
    const lines = facts.lines.map(({name, box}) => ({name, box: {
      left: box.left - 1, top: box.top - 1, width: box.width + 2, height: box.height + 2}}));
    const labels = facts.controls.filter((c) => c.coloured);
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
  test.skip(!process.env.GAVRENTO_WEB_SCREENSHOTS, "GAVRENTO_WEB_SCREENSHOTS names no folder");
  await keepPicture(gavrento, "screenshot-web.png");
  await gavrento.setViewportSize({width: 360, height: 640});
  await keepPicture(gavrento, "screenshot-web-phone.png");
});
