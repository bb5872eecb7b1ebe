// The site served as a host serves it: Debian's nginx with the configuration `make web-run`
// writes (packaging/web/), on a free port of 127.0.0.1. For the tests and the bench.
const {execFileSync, spawn} = require("node:child_process");
const fs = require("node:fs");
const net = require("node:net");
const os = require("node:os");
const path = require("node:path");

const writer = path.join(__dirname, "..", "..", "packaging", "web", "nginx.cmake");

function freePort() {
  return new Promise((resolve) => {
    const probe = net.createServer().listen(0, "127.0.0.1", () => {
      const {port} = probe.address();
      probe.close(() => resolve(port));
    });
  });
}

// Serves ROOT (the site, unless given) under the policy of PAGE; resolves once nginx has
// written its pid (its port is open then) to {url, requests, stop}: requests() what nginx
// has answered so far, each {status, bytes (as sent: headers and compressed body), path};
// stop() resolves once nginx has ended and its files are gone.
async function serveSite(root = process.env.GAVRENTO_SITE, page = path.join(root, "index.html")) {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), "gavrento-nginx-"));
  const port = await freePort();
  execFileSync(process.env.GAVRENTO_CMAKE || "cmake", [
    `-DSITE=${root}`, `-DPORT=${port}`, `-DFOLDER=${folder}`, `-DPAGE=${page}`, "-P", writer]);
  const nginx = spawn("nginx", ["-c", path.join(folder, "nginx.conf"), "-e", "stderr"],
                      {stdio: ["ignore", "ignore", "inherit"]});
  const ended = new Promise((resolve) => nginx.once("exit", resolve));
  const stop = async () => {
    nginx.kill();
    await ended;
    fs.rmSync(folder, {recursive: true, force: true});
  };
  while (!fs.existsSync(path.join(folder, "nginx.pid"))) {
    if (nginx.exitCode !== null) {
      await stop();
      throw new Error(`nginx did not start on port ${port}`);
    }
    await new Promise((wake) => setTimeout(wake, 20));
  }
  const requests = () => fs.readFileSync(path.join(folder, "access.log"), "utf8").split("\n")
      .filter(Boolean).map((line) => {
        const [status, bytes, requested] = line.split(" ");
        return {status: Number(status), bytes: Number(bytes), path: requested};
      });
  return {url: `http://127.0.0.1:${port}/`, requests, stop};
}

module.exports = {serveSite};
