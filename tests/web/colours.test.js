// Under forced colours, dark and light, every caption and line of the window stays legible,
// judged from the pixels the browser drew: the ink that stands out most from the most
// common colour of its box reaches WCAG AA (4.5:1 for text, 3:1 for lines).
const {test, expect, records, keepPicture} = require("./fixtures");

// Each box's most common colour and the contrast of its farthest pixel from it, measured in
// a blank page from the screenshot: WCAG 2's relative luminance and contrast ratio.
async function contrastsInBoxes(context, png, boxes) {
  const probe = await context.newPage();
  const found = await probe.evaluate(async ({bytes, boxes}) => {
    const bitmap = await createImageBitmap(new Blob([new Uint8Array(bytes)]));
    const canvas = new OffscreenCanvas(bitmap.width, bitmap.height);
    const drawing = canvas.getContext("2d");
    drawing.drawImage(bitmap, 0, 0);
    const linear = (c) => (c / 255 <= 0.03928 ? c / 255 / 12.92 : ((c / 255 + 0.055) / 1.055) ** 2.4);
    const luminance = (p) => 0.2126 * linear(p[0]) + 0.7152 * linear(p[1]) + 0.0722 * linear(p[2]);
    const ratio = (a, b) => (Math.max(a, b) + 0.05) / (Math.min(a, b) + 0.05);
    return boxes.map(({name, box}) => {
      const data = drawing.getImageData(box.left, box.top, box.width, box.height).data;
      const counts = new Map();
      for (let i = 0; i < data.length; i += 4) {
        const key = `${data[i]},${data[i + 1]},${data[i + 2]}`;
        counts.set(key, (counts.get(key) || 0) + 1);
      }
      const commonest = [...counts].sort((a, b) => b[1] - a[1])[0][0].split(",").map(Number);
      let best = 1;
      for (let i = 0; i < data.length; i += 4) {
        best = Math.max(best, ratio(luminance(data.subarray(i, i + 3)), luminance(commonest)));
      }
      return {name, ratio: best};
    });
  }, {bytes: [...png], boxes});
  await probe.close();
  return found;
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
    const lines = records.lines.map(({name, box}) => ({name, box: {
      left: box.left - 1, top: box.top - 1, width: box.width + 2, height: box.height + 2}}));
    const labels = records.controls.filter((c) => c.coloured);
    const text = await contrastsInBoxes(context, png, labels);
    const drawn = await contrastsInBoxes(context, png, lines);
    console.log(`forced colours ${scheme}: captions ${Math.min(...text.map((t) => t.ratio)).toFixed(2)}:1` +
                ` at least, lines ${Math.min(...drawn.map((t) => t.ratio)).toFixed(2)}:1 at least`);
    for (const {name, ratio} of text) expect(ratio, name).toBeGreaterThanOrEqual(4.5);
    for (const {name, ratio} of drawn) expect(ratio, name).toBeGreaterThanOrEqual(3);
  });
}

test("pictures of the page, normal and on a phone", async ({gavrento}) => {
  test.skip(!process.env.GAVRENTO_WEB_SCREENSHOTS, "GAVRENTO_WEB_SCREENSHOTS names no folder");
  await keepPicture(gavrento, "screenshot-web.png");
  await gavrento.setViewportSize({width: 360, height: 640});
  await keepPicture(gavrento, "screenshot-web-phone.png");
});
