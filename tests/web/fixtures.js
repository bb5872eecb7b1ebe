// What every browser test of Gavrento's page stands on: the site served on 127.0.0.1 by
// Python's http.server, the facts the build prints (facts.json, from tests/print_facts.cpp:
// the records as the page places them, the expected messages, the worked results), and a
// page opened on the window, ready for input.
const {spawn} = require("node:child_process");
const fs = require("node:fs");
const readline = require("node:readline");
const base = require("@playwright/test");

const site = process.env.GAVRENTO_SITE;
const facts = JSON.parse(fs.readFileSync(process.env.GAVRENTO_FACTS, "utf8"));

// A height's worked results, written with a decimal separator.
function worked(altezza, separator = ",") {
  const row = facts.workedResults.find((r) => r.altezza === altezza);
  return {uomo: row.uomo.replace(".", separator), donna: row.donna.replace(".", separator)};
}

// Serves a folder (the site) on a port (a free one); resolves to {url, port, stop}, where
// stop resolves once the port is free again.
async function serveSite(folder = site, port = 0) {
  const server = spawn("python3", ["-u", "-m", "http.server", `${port}`, "--bind", "127.0.0.1",
                                   "--directory", folder], {stdio: ["ignore", "pipe", "ignore"]});
  const exited = new Promise((resolve) => server.once("exit", resolve));
  const lines = readline.createInterface({input: server.stdout});
  for await (const line of lines) {
    const port = line.match(/port (\d+)/);
    if (port) {
      return {url: `http://127.0.0.1:${port[1]}/`, port: port[1],
              stop: () => server.kill() && exited};
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

module.exports = {test, expect: base.expect, site, facts, worked, serveSite, openWindow, control};
