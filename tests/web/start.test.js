// The page says plainly when Gavrento cannot start: JavaScript off, a program missing,
// refused, broken, aborting or never coming, or a browser without what the page needs give
// an Italian message (in an alert, where a script can give one) and a window that takes no
// press. (Opened from a file, it starts: behaviour.test.js.)
const {test, expect, keepPicture} = require("./fixtures");

const served = (file, answer) => [(url) => url.pathname.endsWith(`/${file}`), answer];
const withText = (file, change) => served(file, async (route) => {
  const response = await route.fetch();
  await route.fulfill({response, body: change(await response.text())});
});
const kCannotStart = "Gavrento non si è avviato. Aprilo con un browser aggiornato, dal suo " +
                     "indirizzo web (https://…), e ricarica la pagina.";
for (const row of [
  {cause: "JavaScript off", javaScriptEnabled: false},
  {cause: "the program's script missing", route: served("gavrento.js", (r) => r.fulfill({status: 404}))},
  {cause: "the program missing", route: served("gavrento.wasm", (r) => r.fulfill({status: 404}))},
  {cause: "the program broken", route: served("gavrento.wasm", (r) => r.fulfill({body: "broken"}))},
  {cause: "the program never coming", route: served("gavrento.wasm", () => {}), slow: true},
  {cause: "WebAssembly refused by the policy",
   route: withText("", (page) => page.replace(" 'wasm-unsafe-eval'", ""))},
  {cause: "the program aborting",
   route: withText("gavrento.js", (script) => `${script}\nModule.preRun = () => abort("planted");`)},
  {cause: "no WebAssembly", init: () => delete window.WebAssembly},
  {cause: "no <dialog>", init: () => delete window.HTMLDialogElement},
]) {
  test.describe(row.cause, () => {
    test.use({serviceWorkers: "block", javaScriptEnabled: row.javaScriptEnabled !== false,
              expectedErrors: /./});
    test("the page says it cannot start and takes no press", async ({page, site}) => {
      const causes = [];
      page.on("console", (message) => causes.push(message.text()));
      if (row.init) await page.addInitScript(row.init);
      if (row.route) await page.route(...row.route);
      await page.goto(site.url);
      if (row.javaScriptEnabled === false) {
        const line = page.locator("noscript p");  // a locator by text passes <noscript> by
        await expect(line).toBeVisible();
        await expect(line).toHaveText(
            "Gavrento ha bisogno di JavaScript: attivalo nel browser e ricarica la pagina.");
      } else {
        await expect(page.getByRole("alert")).toHaveText(kCannotStart, {timeout: 10_000});
        // Said as soon as it is known; only a program that never comes waits for the watchdog.
        expect(causes.filter((cause) => cause.includes("did not start in 5 s")).length,
               causes.join("\n")).toBe(row.slow ? 1 : 0);
      }
      // No control of the window takes the focus, or a press.
      await page.keyboard.press("Tab");
      await expect(page.locator("main :focus")).toHaveCount(0);
      if (row.slow) await keepPicture(page, "screenshot-web-cannot-start.png");
    });
  });
}
