// The window used as a person would, by mouse and by keyboard alone: typed heights and the
// results in the browser language's decimal separator, the child warning, a run-time error
// and an error of the page, Cancella and Uscita, served and opened from a file; a press
// before the program has started; and a page that says plainly when Gavrento cannot start.
const {test, expect, facts, worked, control, openWindow, siteFile, overflowingLabels,
       keepPicture} = require("./fixtures");

const {childWarning, overflowReport} = facts.messages;

// The message box's icon, as the page draws it.
function iconDrawn(box) {
  return box.locator("#message-icon").evaluate((icon) => getComputedStyle(icon, "::before").content);
}

// Opened from a file the page may fetch nothing: the faces and the preloaded program are
// refused (the captions are drawn in the installed faces), and the program comes in a script.
for (const [locale, separator, fromFile] of [
  ["it-IT", ","], ["de-DE", ","], ["en-GB", "."], ["it-IT", ",", "opened from a file"],
]) {
  test.describe(`${locale} ${fromFile || "served"}`, () => {
    test.use({locale, expectedErrors: fromFile ? /CORS policy|net::ERR_FAILED/ : null});
    test("a child's height warned of, then its results; Cancella; Uscita", async ({page, site}) => {
      await page.goto("data:text/html,<title>before</title>");  // history: a tab of the user's
      await openWindow(page, fromFile ? siteFile : site.url);
      const status = page.getByRole("status");
      await status.evaluate((region) => {
        window.told = [];
        new MutationObserver((changes) => changes.forEach(() => told.push(region.textContent)))
            .observe(region, {childList: true, characterData: true, subtree: true});
      });
      await control(page, "TxtAltezza").fill("110");
      await control(page, "CmdCalcola").click();
      const box = page.getByRole("alertdialog", {name: childWarning.title});
      await expect(box).toHaveAccessibleDescription(childWarning.text);
      await expect(box.getByRole("button", {name: "OK"})).toBeFocused();
      expect(await iconDrawn(box)).toBe('"i"');  // information
      await expect(control(page, "TxtGavrentoUomo")).toHaveValue("");
      await expect(status).toHaveText("");
      // The window under the box takes no press: a pointer's click meets the box's backdrop.
      await control(page, "CmdCalcola").click({force: true});
      await box.getByRole("button", {name: "OK"}).click();
      await expect(control(page, "TxtGavrentoUomo")).toHaveValue(worked("110", separator).uomo);
      await expect(control(page, "TxtGavrentoDonna")).toHaveValue(worked("110", separator).donna);
      const [man, woman] = facts.controls.filter((c) => c.name.startsWith("TxtGavrento"));
      const results = `${man.accessibleName}: ${worked("110", separator).uomo}. ` +
                      `${woman.accessibleName}: ${worked("110", separator).donna}.`;
      await expect(status).toHaveText(results);
      if (!fromFile) console.log(`After Calcola a screen reader hears:\n${await status.ariaSnapshot()}`);
      await expect(box).toBeHidden();
      await expect(control(page, "CmdCalcola")).toBeFocused();
      expect(await overflowingLabels(page)).toEqual([]);
      if (fromFile) await keepPicture(page, "screenshot-web-from-file.png");
      await control(page, "CmdCancella").click();
      for (const name of ["TxtAltezza", "TxtGavrentoUomo", "TxtGavrentoDonna"]) {
        await expect(control(page, name)).toHaveValue(" ");
      }
      // Told once; Cancella empties the region and tells nothing.
      expect((await page.evaluate(() => told)).filter(Boolean)).toEqual([results]);
      // A tab the page may not close: the page leaves only a way to start again.
      await control(page, "CmdUscita").click();
      await expect(page.getByRole("heading", {name: "Gavrento è terminato"})).toBeVisible();
      await expect(page.getByRole("button").or(page.getByRole("textbox"))).toHaveCount(0);
      const again = page.getByRole("link", {name: "Avvia di nuovo Gavrento"});
      await expect(again).toBeFocused();
      await again.click();
      await page.locator("body[data-state=ready]").waitFor();
      await expect(control(page, "CmdUscita")).toBeFocused();
    });
  });
}

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
  await expect(control(gavrento, "TxtGavrentoUomo")).toHaveValue(" ");
});

// An error of the program (a run-time error), then one of the page's own script: each is
// reported once, and the presses after it run.
test.describe("errors", () => {
  test.use({expectedErrors: /planted/});
  test("are reported in a box titled Gavrento and the page goes on", async ({gavrento}) => {
    const plant = () => {
      const {setText} = GavrentoPage;  // fails once, then is itself again
      GavrentoPage.setText = () => {
        GavrentoPage.setText = setText;
        throw new Error("planted");
      };
    };
    // And one outside any press: a listener of the page's that throws once.
    const plantOutside = () => document.querySelector("[data-name=CmdCalcola]").addEventListener(
        "click", () => { throw new Error("planted"); }, {once: true});
    for (const [height, text, before] of [["1e400", overflowReport.replace("\n", " ")],
                                          ["180", "Errore nella pagina: Error: planted", plant],
                                          ["175", "Errore nella pagina: Error: planted", plantOutside],
                                          ["160"]]) {
      if (before) await gavrento.evaluate(before);
      await control(gavrento, "TxtAltezza").fill(height);
      await control(gavrento, "CmdCalcola").click();
      if (!text) break;
      const box = gavrento.getByRole("alertdialog", {name: "Gavrento", exact: true});
      await expect(box).toHaveAccessibleDescription(text);
      expect(await iconDrawn(box)).toBe('"X"');  // critical
      await gavrento.keyboard.press("Space");
      await expect(box).toBeHidden();
    }
    await expect(control(gavrento, "TxtGavrentoUomo")).toHaveValue(worked("160").uomo);
    await expect(gavrento.getByRole("alertdialog")).toBeHidden();
  });
});

// A program slower to start than the page waits for: a press shows it waits, the page says
// it cannot start; then the program comes, and takes the window back with the press.
const kCannotStart = "Gavrento non si è avviato. Aprilo con un browser aggiornato, dal suo " +
                     "indirizzo web (https://…), e ricarica la pagina.";
const kNeedsJavaScript =
    "Gavrento ha bisogno di JavaScript: attivalo nel browser e ricarica la pagina.";
test.describe("a slow start", () => {
  test.use({expectedErrors: /did not start in 5 s/});
  test("a Calcola pressed before the program has started shows it waits, and runs once it has", async ({page, site}) => {
    let release;
    const held = new Promise((resolve) => (release = resolve));
    await page.route("**/gavrento.wasm", (route) => held.then(() => route.continue()));
    await page.goto(site.url, {waitUntil: "domcontentloaded"});
    await page.locator("body[data-state=accepting]").waitFor();
    await expect(control(page, "CmdUscita")).toBeFocused();
    await control(page, "TxtAltezza").fill("180");
    await control(page, "CmdCalcola").click();
    await expect(page.getByRole("main")).toHaveAttribute("aria-busy", "true");
    await expect(page.locator(".client")).toHaveCSS("opacity", "0.6");
    await keepPicture(page, "screenshot-web-busy.png");
    await expect(page.getByRole("alert")).toHaveText(kCannotStart, {timeout: 10_000});
    await keepPicture(page, "screenshot-web-cannot-start.png");
    await expect(control(page, "TxtGavrentoUomo")).toBeHidden();
    release();
    await expect(control(page, "TxtGavrentoUomo")).toHaveValue(worked("180").uomo);
    await expect(control(page, "TxtGavrentoDonna")).toHaveValue(worked("180").donna);
    await expect(page.getByRole("main")).not.toHaveAttribute("aria-busy", "true");
    await expect(page.getByRole("alert")).toBeEmpty();
  });
});

test("Uscita closes a tab the page may close: one a script opened", async ({gavrento, site}) => {
  const [opened] = await Promise.all([gavrento.context().waitForEvent("page"),
                                      gavrento.evaluate((url) => window.open(url), site.url)]);
  await opened.locator("body[data-state=ready]").waitFor();
  const closed = opened.waitForEvent("close");
  // A pointer's click, not a locator's, nor a key's: those go on waiting on the page after
  // the press, and fail when the page they wait on has closed, as it should.
  const uscita = await control(opened, "CmdUscita").boundingBox();
  await opened.mouse.click(uscita.x + uscita.width / 2, uscita.y + uscita.height / 2);
  await closed;
});

// JavaScript off, a program missing, refused, broken or aborting, or a browser without what
// the page needs: an Italian message, in an alert where a script can give one, said as soon
// as the cause is known (not by the watchdog), and a window that takes no press.
const served = (file, answer) => [(url) => url.pathname.endsWith(`/${file}`), answer];
const withText = (file, change) => served(file, async (route) => {
  const response = await route.fetch();
  await route.fulfill({response, body: change(await response.text())});
});
for (const row of [
  {cause: "JavaScript off", javaScriptEnabled: false},
  {cause: "the program's script missing", route: served("gavrento.js", (r) => r.fulfill({status: 404}))},
  {cause: "the program missing", route: served("gavrento.wasm", (r) => r.fulfill({status: 404}))},
  {cause: "the program broken", route: served("gavrento.wasm", (r) => r.fulfill({body: "broken"}))},
  {cause: "WebAssembly refused by the policy",
   route: withText("", (page) => page.replace(" 'wasm-unsafe-eval'", ""))},
  {cause: "the program aborting",
   route: withText("gavrento.js", (script) => `${script}\nModule.preRun = () => abort("planted");`)},
  {cause: "no WebAssembly", init: () => delete window.WebAssembly},
  {cause: "no <dialog>", init: () => delete window.HTMLDialogElement},
]) {
  const off = row.javaScriptEnabled === false;
  test.describe(row.cause, () => {
    test.use({serviceWorkers: "block", javaScriptEnabled: !off, expectedErrors: /./});
    test("the page says it cannot start and takes no press", async ({page, site}) => {
      const causes = [];
      page.on("console", (message) => causes.push(message.text()));
      if (row.init) await page.addInitScript(row.init);
      if (row.route) await page.route(...row.route);
      await page.goto(site.url);
      // Without JavaScript, <noscript> says it (a locator by text passes <noscript> by).
      const said = off ? page.locator("noscript p") : page.getByRole("alert");
      await expect(said).toHaveText(off ? kNeedsJavaScript : kCannotStart, {timeout: 10_000});
      await expect(said).toBeVisible();
      expect(causes.join("\n")).not.toContain("did not start in 5 s");
      await page.keyboard.press("Tab");
      await expect(page.locator("main :focus")).toHaveCount(0);
    });
  });
}
