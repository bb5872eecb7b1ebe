// The window used as a person would: typed heights and the results in the browser
// language's decimal separator, the child warning, a run-time error and an error of the
// page, Cancella and Uscita, by mouse and by keyboard alone, served and opened from a file.
const {test, expect, facts, worked, control, openWindow, overflowingLabels, keepPicture} =
    require("./fixtures");

const {childWarning, overflowReport} = facts.messages;

// The message box's icon, as the page draws it.
function iconDrawn(box) {
  return box.locator("#message-icon").evaluate((icon) => getComputedStyle(icon, "::before").content);
}

for (const [locale, separator] of [["it-IT", ","], ["de-DE", ","], ["en-GB", "."]]) {
  const row = worked("180", separator);
  test.describe(locale, () => {
    test.use({locale});
    test(`Calcola for 180 cm writes ${row.uomo} and ${row.donna}`, async ({gavrento}) => {
      await control(gavrento, "TxtAltezza").fill("180");
      await control(gavrento, "CmdCalcola").click();
      await expect(control(gavrento, "TxtGavrentoUomo")).toHaveValue(row.uomo);
      await expect(control(gavrento, "TxtGavrentoDonna")).toHaveValue(row.donna);
    });
  });
}

// An error of the program (a run-time error) or of the page's own script, once each, and the
// presses after it run.
for (const row of [
  {error: "an overflow", height: "1e400", text: overflowReport.replace("\n", " ")},
  {error: "an error in the page's script", height: "180", text: "Errore nella pagina: Error: planted",
   plant: () => {
     const {setText} = GavrentoPage;  // fails once, then is itself again
     GavrentoPage.setText = () => {
       GavrentoPage.setText = setText;
       throw new Error("planted");
     };
   }},
]) {
  test.describe(row.error, () => {
    test.use({expectedErrors: row.plant ? /planted/ : null});
    test("is reported in a box titled Gavrento and the page goes on", async ({gavrento}) => {
      if (row.plant) await gavrento.evaluate(row.plant);
      await control(gavrento, "TxtAltezza").fill(row.height);
      await control(gavrento, "CmdCalcola").click();
      const box = gavrento.getByRole("alertdialog", {name: "Gavrento", exact: true});
      await expect(box).toHaveAccessibleDescription(row.text);
      expect(await iconDrawn(box)).toBe('"X"');  // critical
      await gavrento.keyboard.press("Space");
      await expect(box).toBeHidden();
      await control(gavrento, "TxtAltezza").fill("180");
      await control(gavrento, "CmdCalcola").click();
      await expect(control(gavrento, "TxtGavrentoUomo")).toHaveValue(worked("180").uomo);
    });
  });
}

test("a Calcola pressed before the program has loaded shows it waits, and runs once it has", async ({page, site}) => {
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
  await expect(page.getByRole("main")).toHaveAttribute("aria-busy", "true");
  await expect(page.locator(".client")).toHaveCSS("opacity", "0.6");
  await keepPicture(page, "screenshot-web-busy.png");
  await expect(control(page, "TxtGavrentoUomo")).toHaveValue("");
  release();
  await expect(control(page, "TxtGavrentoUomo")).toHaveValue(worked("180").uomo);
  await expect(control(page, "TxtGavrentoDonna")).toHaveValue(worked("180").donna);
  await expect(page.getByRole("main")).not.toHaveAttribute("aria-busy", "true");
});

test("Uscita closes a tab the page may close: one a script opened", async ({page, site}) => {
  await openWindow(page, site.url);
  const [opened] = await Promise.all([
    page.context().waitForEvent("page"),
    page.evaluate((url) => window.open(url), site.url),
  ]);
  await opened.locator("body[data-state=ready]").waitFor();
  const closed = opened.waitForEvent("close");
  // A pointer's click, not a locator's: the locator's click goes on waiting on the page
  // after the press, and fails when the page it waits on has closed, as it should.
  const uscita = await control(opened, "CmdUscita").boundingBox();
  await opened.mouse.click(uscita.x + uscita.width / 2, uscita.y + uscita.height / 2);
  await closed;
  expect(opened.isClosed()).toBe(true);
});

// Opened from a file as served: a page from a file may fetch nothing, so the faces and the
// preloaded program are refused (the captions are drawn in the installed faces) and the
// program comes in a script.
for (const fromFile of [false, true]) {
  test.describe(fromFile ? "opened from a file" : "served", () => {
    test.use({fromFile, expectedErrors: fromFile ? /CORS policy|net::ERR_FAILED/ : null});

    test("a child's height is warned of before the results, which come after OK", async ({gavrento}) => {
      await control(gavrento, "TxtAltezza").fill("110");
      await control(gavrento, "CmdCalcola").click();
      const box = gavrento.getByRole("alertdialog", {name: childWarning.title});
      await expect(box).toBeVisible();
      await expect(box).toHaveAccessibleDescription(childWarning.text);
      await expect(box.getByRole("button", {name: "OK"})).toBeFocused();
      expect(await iconDrawn(box)).toBe('"i"');  // information
      await expect(control(gavrento, "TxtGavrentoUomo")).toHaveValue("");
      // The window under the box takes no press: a click on Calcola meets the box's backdrop.
      const calcola = await control(gavrento, "CmdCalcola").boundingBox();
      await gavrento.mouse.click(calcola.x + calcola.width / 2, calcola.y + calcola.height / 2);
      await box.getByRole("button", {name: "OK"}).click();
      await expect(control(gavrento, "TxtGavrentoUomo")).toHaveValue(worked("110").uomo);
      await expect(control(gavrento, "TxtGavrentoDonna")).toHaveValue(worked("110").donna);
      await expect(box).toBeHidden();
      await expect(control(gavrento, "CmdCalcola")).toBeFocused();
      expect(await overflowingLabels(gavrento)).toEqual([]);
      if (fromFile) await keepPicture(gavrento, "screenshot-web-from-file.png");
    });

    test("keyboard only: Tab to the height, type, Calcola by Space, Cancella by Enter", async ({gavrento}) => {
      const keys = gavrento.keyboard;
      for (let i = 0; i < 3; ++i) await keys.press("Tab");
      await keys.type("180");
      await keys.press("Shift+Tab");
      await keys.press("Shift+Tab");
      await expect(control(gavrento, "CmdCalcola")).toBeFocused();
      await keys.press("Space");
      await expect(control(gavrento, "TxtGavrentoDonna")).toHaveValue(worked("180").donna);
      await keys.press("Tab");
      await keys.press("Enter");
      for (const box of ["TxtAltezza", "TxtGavrentoUomo", "TxtGavrentoDonna"]) {
        await expect(control(gavrento, box)).toHaveValue(" ");
      }
    });

    test("Uscita in a tab the page may not close leaves only a way to start again", async ({page, address}) => {
      // A tab with history is the user's (a page with no icon of its own, unlike the manifest,
      // for which the browser would ask the server for /favicon.ico in vain).
      await page.goto("data:text/html,<title>before</title>");
      await openWindow(page, address);
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
  });
}
