// What every browser test of Gavrento's page stands on: the site served on 127.0.0.1 by
// Python's http.server, the window's records as the build prints them (records.json, from
// runtime/web/records.cpp), and a page opened on the window, ready for input.
const {spawn} = require("node:child_process");
const fs = require("node:fs");
const readline = require("node:readline");
const base = require("@playwright/test");

const site = process.env.GAVRENTO_SITE;
const records = JSON.parse(fs.readFileSync(process.env.GAVRENTO_RECORDS, "utf8"));

// Serves the site on a free port; resolves to {url, stop}.
async function serveSite() {
  const server = spawn("python3", ["-u", "-m", "http.server", "0", "--bind", "127.0.0.1",
                                   "--directory", site], {stdio: ["ignore", "pipe", "ignore"]});
  const lines = readline.createInterface({input: server.stdout});
  for await (const line of lines) {
    const port = line.match(/port (\d+)/);
    if (port) {
      return {url: `http://127.0.0.1:${port[1]}/`, stop: () => server.kill()};
    }
  }
  throw new Error("the site's server did not start");
}

async function openWindow(page, url) {
  await page.goto(url);
  await page.locator("body[data-state=ready]").waitFor();
  await page.evaluate(() => document.fonts.ready);
}

function control(page, name) {
  return page.locator(`[data-name="${name}"]`);
}

const test = base.test.extend({
  site: [async ({}, use) => {
    const server = await serveSite();
    await use(server);
    server.stop();
  }, {scope: "worker"}],
  gavrento: async ({page, site}, use) => {
    await openWindow(page, site.url);
    await use(page);
  },
});

module.exports = {test, expect: base.expect, records, serveSite, openWindow, control};
