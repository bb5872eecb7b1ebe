// The formula diagrams' lines stay one crisp colour across their width, and the captions
// inside their boxes, at the device pixel ratios screens and zooms of 100-400 % give.
const {test, expect, facts, openWindow, overflowingLabels} = require("./fixtures");

const {lines} = facts;

// Across each line, the device pixels between the face and the ink: a crisp line has at
// most one on each side (the edge shared with the face), never a wider grey fringe.
async function widestFringe(page, name) {
  const line = page.locator(`[data-name="${name}"]`);
  const box = await line.boundingBox();
  const pad = 3;
  const shot = await page.screenshot({
    clip: {x: box.x - pad, y: box.y - pad, width: box.width + 2 * pad,
           height: box.height + 2 * pad},
    scale: "device",
  });
  // Decoded in a blank page: the window's own page allows no data: images.
  const blank = await page.context().newPage();
  const widest = await blank.evaluate(async ({png, across}) => {
    const image = new Image();
    image.src = `data:image/png;base64,${png}`;
    await image.decode();
    const canvas = new OffscreenCanvas(image.width, image.height);
    const context = canvas.getContext("2d");
    context.drawImage(image, 0, 0);
    const {data, width, height} = context.getImageData(0, 0, image.width, image.height);
    const grey = (x, y) => data[4 * (y * width + x)];
    // One cross-section through the middle of the line's length.
    const values = across === "vertical" ?
        Array.from({length: height}, (_, y) => grey(width >> 1, y)) :
        Array.from({length: width}, (_, x) => grey(x, height >> 1));
    const face = Math.max(...values);
    const ink = Math.min(...values);
    let run = 0;
    let widest = 0;
    for (const value of values) {
      const between = value > ink + 8 && value < face - 8;
      run = between ? run + 1 : 0;
      widest = Math.max(widest, run);
    }
    return widest;
  }, {png: shot.toString("base64"),
      across: box.width >= box.height ? "vertical" : "horizontal"});
  await blank.close();
  return widest;
}

for (const scale of [1, 1.25, 1.5, 2, 3, 4]) {
  test.describe(`at ${scale * 100} %`, () => {
    test.use({deviceScaleFactor: scale});
    test("lines are crisp and captions stay inside their boxes", async ({page, site}) => {
      await openWindow(page, site.url);
      expect(lines.length).toBeGreaterThan(0);
      for (const line of lines) {
        expect(await widestFringe(page, line.name), line.name).toBeLessThanOrEqual(1);
      }
      expect(await overflowingLabels(page)).toEqual([]);
    });
  });
}
