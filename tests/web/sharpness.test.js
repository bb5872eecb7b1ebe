// The formula diagrams' lines stay one crisp colour across their width, and the captions
// inside their boxes, at the device pixel ratios screens and zooms of 100-400 % give.
const {test, expect, facts, openWindow, control, overflowingLabels, pixels} = require("./fixtures");

const {lines} = facts;

// Across each line, the device pixels between the face and the ink: a crisp line has at
// most one on each side (the edge shared with the face), never a wider grey fringe.
async function widestFringe(page, name) {
  const box = await control(page, name).boundingBox();
  const pad = 3;
  const {width, height, at} = await pixels(page.context(), await page.screenshot({
    clip: {x: box.x - pad, y: box.y - pad, width: box.width + 2 * pad,
           height: box.height + 2 * pad},
    scale: "device",
  }));
  // One cross-section through the middle of the line's length, its grey read in red.
  const values = box.width >= box.height ?
      Array.from({length: height}, (_, y) => at(width >> 1, y) >> 16) :
      Array.from({length: width}, (_, x) => at(x, height >> 1) >> 16);
  const face = Math.max(...values);
  const ink = Math.min(...values);
  let run = 0;
  let widest = 0;
  for (const value of values) {
    run = value > ink + 8 && value < face - 8 ? run + 1 : 0;
    widest = Math.max(widest, run);
  }
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
