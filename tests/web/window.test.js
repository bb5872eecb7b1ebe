// The window as the records describe it: every control at its record's box, in the stand-in
// faces, named for screen readers, in tab order, with no accessibility violation, and whole
// on a phone's screen.
const {AxeBuilder} = require("@axe-core/playwright");
const {test, expect, facts, control, keepPicture} = require("./fixtures");

test("every control and line is at its record's box, every control in its stand-in face and alignment, named for screen readers", async ({gavrento}) => {
  const origin = await gavrento.locator(".client").boundingBox();
  for (const record of [...facts.lines, ...facts.controls]) {
    const element = control(gavrento, record.name);
    const box = await element.boundingBox();
    const at = {left: box.x - origin.x, top: box.y - origin.y, width: box.width,
                height: box.height};
    expect(at, record.name).toEqual(record.box);
    if (!record.font) continue;
    const font = await element.evaluate((e) => {
      const style = getComputedStyle(e);
      return {family: style.fontFamily, pixels: style.fontSize, weight: style.fontWeight,
              italic: style.fontStyle === "italic", align: style.textAlign};
    });
    expect(font, record.name).toEqual({family: `"${record.font.family}"`,
                                       pixels: `${record.font.pixels}px`,
                                       weight: String(record.font.weight),
                                       italic: record.font.italic, align: record.align});
    if (record.kind !== "textbox") await expect(element, record.name).toHaveText(record.caption);
    if (record.kind === "label") continue;
    await expect(gavrento.getByRole(record.kind, {name: record.accessibleName, exact: true}),
                 record.name).toHaveCount(1);
  }
  await expect(gavrento.locator("main").getByRole("heading", {level: 1, name: facts.caption,
                                                               exact: true})).toHaveCount(1);
  // Every face the page names was loaded from the site, none left to a fallback.
  const faces = await gavrento.evaluate(() => [...document.fonts].map((f) => f.status));
  expect(faces.length).toBe(5);
  expect(faces.every((status) => status === "loaded")).toBe(true);
});

test("the focus starts on the first control in tab order and Tab walks the rest", async ({gavrento}) => {
  const focused = () => gavrento.evaluate(() => document.activeElement.dataset.name);
  const walked = [await focused()];
  for (let i = 1; i < facts.tabOrder.length; ++i) {
    await gavrento.keyboard.press("Tab");
    walked.push(await focused());
  }
  expect(walked).toEqual(facts.tabOrder);
  expect(walked.slice(0, 4)).toEqual(["CmdUscita", "CmdCalcola", "CmdCancella", "TxtAltezza"]);
});

test("axe finds no violation, in the window or in the message box", async ({gavrento}) => {
  const window = await new AxeBuilder({page: gavrento}).analyze();
  console.log(`axe ${window.testEngine.version}: ${window.passes.length} rules passed, ` +
              `${window.violations.length} violations, ${window.incomplete.length} to review`);
  expect(window.violations).toEqual([]);
  await control(gavrento, "CmdCalcola").click();  // an empty height is a child's
  await expect(gavrento.getByRole("alertdialog")).toBeVisible();
  const box = await new AxeBuilder({page: gavrento}).analyze();
  expect(box.violations).toEqual([]);
});

test("on a 360 x 640 phone the whole window shows without scrolling sideways", async ({gavrento}) => {
  await keepPicture(gavrento, "screenshot-web.png");
  await gavrento.setViewportSize({width: 360, height: 640});
  // The page fits the window to the screen when the screen changes size.
  await expect.poll(() => gavrento.evaluate(() =>
      document.documentElement.scrollWidth - document.documentElement.clientWidth)).toBe(0);
  const window = await gavrento.locator(".window").boundingBox();
  expect(window.x).toBeGreaterThanOrEqual(0);
  expect(window.x + window.width).toBeLessThanOrEqual(360);
  // Scaled as a whole: the client keeps the records' proportions.
  const client = await gavrento.locator(".client").boundingBox();
  expect(client.width / client.height).toBeCloseTo(facts.client.width / facts.client.height, 2);
  await keepPicture(gavrento, "screenshot-web-phone.png");
});
