// Gavrento's page in Debian's Chromium. Nothing here downloads a browser or reaches the
// network: Playwright drives /usr/bin/chromium with its own calls home turned off, and the
// page is served from the build's site/ on 127.0.0.1 (fixtures.js).
const {defineConfig} = require("@playwright/test");

module.exports = defineConfig({
  testDir: __dirname,
  testMatch: "*.test.js",
  outputDir: process.env.GAVRENTO_WEB_RESULTS || "test-results",
  workers: 1,
  timeout: 60_000,
  reporter: [["list"]],
  use: {
    browserName: "chromium",
    locale: "it-IT",
    viewport: {width: 800, height: 700},
    launchOptions: {
      executablePath: "/usr/bin/chromium",
      args: ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
             "--disable-background-networking", "--disable-component-update", "--disable-sync"],
    },
  },
});
