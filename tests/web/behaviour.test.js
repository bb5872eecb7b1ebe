// The window used as a person would: typed heights and the results in the browser
// language's decimal separator, the child warning, a run-time error, Cancella and Uscita,
// by mouse and by keyboard alone.
const {test, expect, control, openWindow} = require("./fixtures");

// The message box's icon, as the page draws it.
function iconDrawn(box) {
  return box.locator("#message-icon").evaluate((icon) => getComputedStyle(icon, "::before").content);
}

// Hand-worked: (h - 152.4) / 2.54 * 2.3 + 50 and + 45.5, to 15 significant digits.
for (const row of [
  {locale: "it-IT", uomo: "74,992125984252", donna: "70,492125984252"},
  {locale: "de-DE", uomo: "74,992125984252", donna: "70,492125984252"},
  {locale: "en-GB", uomo: "74.992125984252", donna: "70.492125984252"},
]) {
  test.describe(row.locale, () => {
    test.use({locale: row.locale});
    test(`Calcola for 180 cm writes ${row.uomo} and ${row.donna}`, async ({gavrento}) => {
      await control(gavrento, "TxtAltezza").fill("180");
      await control(gavrento, "CmdCalcola").click();
      await expect(control(gavrento, "TxtGavrentoUomo")).toHaveValue(row.uomo);
      await expect(control(gavrento, "TxtGavrentoDonna")).toHaveValue(row.donna);
    });
  });
}

test("a child's height is warned of before the results, which come after OK", async ({gavrento}) => {
  await control(gavrento, "TxtAltezza").fill("100");
  await control(gavrento, "CmdCalcola").click();
  const box = gavrento.getByRole("alertdialog", {
    name: "ATTENZIONE inserita altezza di un bambino !!!"});
  await expect(box).toBeVisible();
  await expect(box).toHaveAccessibleDescription(
      "Il valore dell'altezza deve essere maggiore di 110 cm");
  await expect(box.getByRole("button", {name: "OK"})).toBeFocused();
  expect(await iconDrawn(box)).toBe('"i"');  // information
  await expect(control(gavrento, "TxtGavrentoUomo")).toHaveValue("");
  // The window under the box takes no press: a click on Calcola meets the box's backdrop.
  const calcola = await control(gavrento, "CmdCalcola").boundingBox();
  await gavrento.mouse.click(calcola.x + calcola.width / 2, calcola.y + calcola.height / 2);
  await box.getByRole("button", {name: "OK"}).click();
  await expect(control(gavrento, "TxtGavrentoUomo")).toHaveValue("2,5511811023622");
  await expect(control(gavrento, "TxtGavrentoDonna")).toHaveValue("-1,9488188976378");
  await expect(box).toBeHidden();
  await expect(control(gavrento, "CmdCalcola")).toBeFocused();
});

test("an overflow is reported in a box titled Gavrento and the page goes on", async ({gavrento}) => {
  await control(gavrento, "TxtAltezza").fill("1e400");
  await control(gavrento, "CmdCalcola").click();
  const box = gavrento.getByRole("alertdialog", {name: "Gavrento", exact: true});
  await expect(box).toHaveAccessibleDescription("Errore di run-time '6': Overflow");
  expect(await iconDrawn(box)).toBe('"X"');  // critical
  await gavrento.keyboard.press("Space");
  await expect(box).toBeHidden();
  await control(gavrento, "TxtAltezza").fill("180");
  await control(gavrento, "CmdCalcola").click();
  await expect(control(gavrento, "TxtGavrentoUomo")).toHaveValue("74,992125984252");
});

test("keyboard only: Tab to the height, type, Calcola by Space, Cancella by Enter", async ({gavrento}) => {
  const keys = gavrento.keyboard;
  for (let i = 0; i < 3; ++i) await keys.press("Tab");
  await keys.type("180");
  await keys.press("Shift+Tab");
  await keys.press("Shift+Tab");
  await expect(control(gavrento, "CmdCalcola")).toBeFocused();
  await keys.press("Space");
  await expect(control(gavrento, "TxtGavrentoDonna")).toHaveValue("70,492125984252");
  await keys.press("Tab");
  await keys.press("Enter");
  for (const box of ["TxtAltezza", "TxtGavrentoUomo", "TxtGavrentoDonna"]) {
    await expect(control(gavrento, box)).toHaveValue(" ");
  }
});

test("a Calcola pressed before the program has loaded runs once it has", async ({page, site}) => {
  let release;
  const held = new Promise((resolve) => {
    release = resolve;
  });
  await page.route("**/gavrento.wasm", async (route) => {
    await held;
    await route.continue();
  });
  await page.goto(site.url, {waitUntil: "domcontentloaded"});
  await page.locator("body[data-state=accepting]").waitFor();
  await expect(control(page, "CmdUscita")).toBeFocused();
  await control(page, "TxtAltezza").fill("180");
  await control(page, "CmdCalcola").click();
  await expect(control(page, "TxtGavrentoUomo")).toHaveValue("");
  release();
  await expect(control(page, "TxtGavrentoUomo")).toHaveValue("74,992125984252");
  await expect(control(page, "TxtGavrentoDonna")).toHaveValue("70,492125984252");
});

test("Uscita closes a tab the page may close: one a script opened", async ({page, site}) => {
  await openWindow(page, site.url);
  const [opened] = await Promise.all([
    page.context().waitForEvent("page"),
    page.evaluate((url) => window.open(url), site.url),
  ]);
  await opened.locator("body[data-state=ready]").waitFor();
  const closed = opened.waitForEvent("close");
  await control(opened, "CmdUscita").click();
  await closed;
  expect(opened.isClosed()).toBe(true);
});

test("Uscita in a tab the page may not close leaves only a way to start again", async ({page, site}) => {
  // A tab with history is the user's (a page with no icon of its own, unlike the manifest,
  // for which the browser would ask the server for /favicon.ico in vain).
  await page.goto("data:text/html,<title>before</title>");
  await openWindow(page, site.url);
  await control(page, "CmdUscita").click();
  await expect(page.getByRole("heading", {name: "Gavrento è terminato"})).toBeVisible();
  await expect(page.getByRole("button")).toHaveCount(0);
  await expect(page.getByRole("textbox")).toHaveCount(0);
  const again = page.getByRole("link", {name: "Avvia di nuovo Gavrento"});
  await expect(again).toBeFocused();
  await again.click();
  await page.locator("body[data-state=ready]").waitFor();
  await expect(control(page, "CmdUscita")).toBeFocused();
});
