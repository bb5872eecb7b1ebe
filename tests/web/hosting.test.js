// The site as a host serves it: nginx with the configuration `make web-run` uses sends each
// file with its type, compressed where it is text, revalidated, under the page's policy with
// frame-ancestors, the faces' licences, which the page links to, among them; and Chromium
// finds nothing that keeps the page from being installed.
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const {chromium} = require("@playwright/test");
const config = require("./playwright.config");
const {test, expect, openWindow, watchForErrors} = require("./fixtures");

test("every file is sent with its type and the headers a host sends", async ({gavrento, site}) => {
  const policy = await gavrento.locator("meta[http-equiv=Content-Security-Policy]")
      .getAttribute("content");
  const licences = await gavrento.locator("footer a").evaluateAll(
      (links) => links.map((link) => [link.getAttribute("href"), "text/plain; charset=utf-8"]));
  expect(licences).toHaveLength(3);
  for (const [file, type, compressed = true] of [
    ["", "text/html; charset=utf-8"], ["page.js", "text/javascript; charset=utf-8"],
    ["gavrento.wasm", "application/wasm"], ["icon.svg", "image/svg+xml"],
    ["manifest.webmanifest", "application/manifest+json; charset=utf-8"],
    ["icon-maskable.png", "image/png", false], ["fonts/DejaVuSans-Bold.woff2", "font/woff2", false],
    ...licences,
  ]) {
    const answer = await fetch(site.url + file, {headers: {"Accept-Encoding": "gzip"}});
    const headers = Object.fromEntries(answer.headers);
    expect({status: answer.status, "content-encoding": null, ...headers}, file).toMatchObject({
      "status": 200, "content-type": type, "content-encoding": compressed ? "gzip" : null,
      "content-security-policy": `${policy}; frame-ancestors 'none'`,
      "x-content-type-options": "nosniff", "cache-control": "no-cache"});
  }
});

test("Chromium finds nothing that keeps the page from being installed", async ({site}) => {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), "gavrento-profile-"));
  const context = await chromium.launchPersistentContext(profile, config.use.launchOptions);
  try {
    const errors = watchForErrors(context);
    const page = context.pages()[0];
    await openWindow(page, site.url);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
    const session = await context.newCDPSession(page);
    expect(await session.send("Page.getInstallabilityErrors")).toEqual({installabilityErrors: []});
    expect(errors).toEqual([]);
  } finally {
    await context.close();
    fs.rmSync(profile, {recursive: true, force: true});
  }
});
