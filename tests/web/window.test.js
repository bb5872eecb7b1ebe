// The window as the records describe it: every control at its record's box, in the stand-in
// faces, named for screen readers by the captions that label it, in tab order, with no
// accessibility violation; whole under a person's text size and spacing; and on a phone, the
// records one under another.
const {AxeBuilder} = require("@axe-core/playwright");
const {test, expect, facts, worked, control, openWindow} = require("./fixtures");

const phone = {width: 360, height: 640};
const smallPhone = {width: 320, height: 568};

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

test("a click on a caption puts the cursor in the box it labels", async ({gavrento}) => {
  console.log(`The accessibility tree of the window:\n${await gavrento.locator("main").ariaSnapshot()}`);
  for (const label of facts.controls.filter((c) => c.labels)) {
    await control(gavrento, label.name).click();
    await expect(control(gavrento, label.labels), label.name).toBeFocused();
  }
});

for (const [where, viewport, forcedColors] of [["", null, "none"], [" on a phone", phone, "none"],
    [" on a small phone", smallPhone, "none"], [" under forced colours", null, "active"],
    [" on a phone under forced colours", phone, "active"]]) {
  test(`axe finds no WCAG 2.2 AA violation${where}, in the window or in the message box`, async ({gavrento}) => {
    if (viewport) await gavrento.setViewportSize(viewport);
    await gavrento.emulateMedia({forcedColors});
    const axe = () => new AxeBuilder({page: gavrento})
        .withTags(["wcag2a", "wcag2aa", "wcag21a", "wcag21aa", "wcag22aa"]).analyze();
    const window = await axe();
    console.log(`axe ${window.testEngine.version}${where}: ${window.passes.length} rules passed, ` +
                `${window.violations.length} violations, ${window.incomplete.length} to review`);
    expect(window.violations).toEqual([]);
    await control(gavrento, "CmdCalcola").click();  // an empty height is a child's
    await expect(gavrento.getByRole("alertdialog")).toBeVisible();
    expect((await axe()).violations).toEqual([]);
  });
}

// A person's own spacing (WCAG 1.4.12, as their style sheet would set it) or text size: each
// text drawn whole inside every box that clips it, and each control on top where it is drawn.
const settings = {
  "text spacing": "* { line-height: 1.5 !important; letter-spacing: 0.12em !important; " +
                  "word-spacing: 0.16em !important } p { margin-bottom: 2em !important }",
  "a larger text size": "html { font-size: 24px !important }",
};
for (const [setting, css] of Object.entries(settings)) {
  for (const viewport of [null, smallPhone]) {
    test.describe(`${setting}${viewport ? " on a small phone" : ""}`, () => {
      test.use({bypassCSP: true, ...(viewport && {viewport})});
      test("nothing is cut and nothing covers a control", async ({page, site}) => {
        await openWindow(page, site.url);
        await page.addStyleTag({content: css});
        const faults = await page.locator(".client").evaluate((client) => [...client.children].flatMap((e) => {
          e.scrollIntoView({block: "center"});
          const [box, range] = [e.getBoundingClientRect(), document.createRange()];
          range.selectNodeContents(e);
          const cut = [...range.getClientRects()].some((r) => [box, client.getBoundingClientRect()].some((c) =>
            r.left < c.left - 0.5 || r.right > c.right + 0.5 || r.top < c.top - 0.5 || r.bottom > c.bottom + 0.5));
          const covered = e.tabIndex >= 0 && document.elementFromPoint(box.x + box.width / 2, box.y + box.height / 2) !== e;
          return cut || covered ? [`${e.dataset.name}${cut ? " cut" : ""}${covered ? " covered" : ""}`] : [];
        }));
        expect(faults).toEqual([]);
      });
    });
  }
}

// Phones, and a 360 px phone at 200 % zoom, which leaves the page 180 CSS pixels.
for (const [viewport, deviceScaleFactor] of [[smallPhone, 1], [phone, 1], [{width: 180, height: 320}, 2]]) {
  test.describe(`${viewport.width} CSS pixels wide at ${deviceScaleFactor * 100} %`, () => {
    test.use({viewport, deviceScaleFactor, hasTouch: true, isMobile: true});
    test("no sideways scroll, text and targets large enough, Calcola by taps", async ({gavrento}) => {
      expect(await gavrento.evaluate(() => document.documentElement.scrollWidth)).toBe(viewport.width);
      for (const {name, kind, font} of facts.controls) {
        const [pixels, width, height] = await control(gavrento, name).evaluate((e) =>
          [parseFloat(getComputedStyle(e).fontSize), e.offsetWidth, e.offsetHeight]);
        expect(pixels, name).toBeGreaterThanOrEqual(kind === "label" ? font.pixels : 16);
        if (kind !== "label") expect(Math.min(width, height), name).toBeGreaterThanOrEqual(44);
      }
      await control(gavrento, "TxtAltezza").tap();
      await gavrento.keyboard.type("180");
      await control(gavrento, "CmdCalcola").tap();
      await expect(control(gavrento, "TxtGavrentoUomo")).toHaveValue(worked("180").uomo);
      await expect(control(gavrento, "TxtGavrentoDonna")).toHaveValue(worked("180").donna);
    });
  });
}
