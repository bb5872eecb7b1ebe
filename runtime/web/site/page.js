// The page's side of Gavrento's web runtime, inline at the end of index.html. It adopts the
// window the build wrote before it (by the program's own page builder) as soon as the window
// is parsed, forwards presses, shows the message box
// and ends the page; what the window holds, where and in which colour, and what a press
// does, the program (C++, in gavrento.wasm) decides. It also starts the program, and says
// so when the program cannot start: the page never shows a window that looks alive and is
// not.
"use strict";

// Read by gavrento.js (emscripten's loader, which this script starts): the page compiles and
// instantiates the program itself, so that it can start from a file, which cannot be
// fetched from, and knows every way the start can fail.
var Module = {
  instantiateWasm(imports, receive) {
    GavrentoPage.instantiate(imports).then(
        ({instance, module}) => receive(instance, module), GavrentoPage.cannotStart);
    return {};
  },
  onAbort: (what) => GavrentoPage.cannotStart(what),
};

const GavrentoPage = (() => {
  const program = document.getElementById("program");
  const windowElement = program.querySelector(".window");
  const client = windowElement.querySelector(".client");
  const elements = new Map([...client.querySelectorAll("[data-name]")].map(
      (element) => [element.dataset.name, element]));
  const texts = document.getElementById("page-texts").content;
  let started = false;
  let failed = false;
  let onlySlow = false;
  let ended = false;
  // Presses wait their turn: the next handler runs only when the last one has returned,
  // message boxes included, as one thread serves the window on the desktop. The first
  // waits for the program itself, which is still loading when the window can be used.
  let programReady;
  let pending = new Promise((resolve) => {
    programReady = resolve;
  });

  function pageText(name) {
    return texts.querySelector(`[data-text="${name}"]`);
  }

  // The window goes, and the page says in its place, to screen readers too, that Gavrento
  // could not start and what to do; the cause is for the developer's console. A program only
  // SLOW to start may yet come (ready() then brings the window back); any other cause is final.
  function cannotStart(cause, slow = false) {
    if (started || (failed && !onlySlow)) return;
    console.error("Gavrento cannot start:", cause);
    onlySlow = slow;
    if (failed) return;
    failed = true;
    program.hidden = true;
    program.removeAttribute("aria-busy");
    document.getElementById("failure").replaceChildren(pageText("cannot-start").cloneNode(true));
  }

  // A failure of the page's own script, once the program runs: said in the message box, in
  // its turn, and the presses after it run.
  function report(error) {
    console.error(error);
    const text = pageText("page-error");
    return showMessageBox(text.dataset.title, `${text.textContent}: ${error}`, "critical");
  }

  function failure(error) {
    if (started) {
      pending = pending.then(() => report(error));
    } else {
      cannotStart(error);
    }
  }

  addEventListener("error", (event) => {
    if (event instanceof ErrorEvent) {
      event.preventDefault();
      failure(event.error || event.message);
    } else if (event.target instanceof HTMLScriptElement) {
      cannotStart(`${event.target.src} did not load`);
    }
  }, true);
  addEventListener("unhandledrejection", (event) => {
    event.preventDefault();
    failure(event.reason);
  });
  // The features the page stands on, and a program that does not start soon enough.
  if (typeof WebAssembly !== "object" || !("HTMLDialogElement" in window)) {
    cannotStart("this browser has no WebAssembly or no <dialog>");
  }
  const watchdog = setTimeout(() => cannotStart("the program did not start in 5 s", true), 5000);

  // From a file the page cannot fetch: there the program's bytes come in a script.
  function bytesFromScript() {
    return new Promise((resolve, reject) => {
      const script = document.createElement("script");
      script.src = "gavrento.wasm.js";
      script.onload = () => resolve(Uint8Array.from(self.gavrentoProgram.match(/../g),
                                                    (hex) => parseInt(hex, 16)));
      script.onerror = reject;
      document.head.append(script);
    });
  }

  async function compile() {
    if (location.protocol === "file:") return WebAssembly.compile(await bytesFromScript());
    const response = await fetch("gavrento.wasm", {credentials: "same-origin"});
    if (!response.ok) throw new Error(`gavrento.wasm: ${response.status} ${response.statusText}`);
    if (response.headers.get("Content-Type") === "application/wasm") {
      return WebAssembly.compileStreaming(response);
    }
    return WebAssembly.compile(await response.arrayBuffer());
  }

  // The program compiles at once, while the page adopts the window and the loader comes; a
  // failure is said when the loader asks for it.
  const compiled = compile();
  compiled.catch(() => {});
  async function instantiate(imports) {
    const module = await compiled;
    return {instance: await WebAssembly.instantiate(module, imports), module};
  }

  function rgb(red, green, blue) {
    return `rgb(${red}, ${green}, ${blue})`;
  }

  // Modal: the window takes no input until the box is closed, by OK (Enter or Space on
  // it, or a click) or Escape; then the focus goes back where it was.
  function showMessageBox(title, text, icon) {
    const box = document.getElementById("message-box");
    const returnFocus = document.activeElement;
    document.getElementById("message-title").textContent = title;
    document.getElementById("message-text").textContent = text;
    document.getElementById("message-icon").className = icon;
    return new Promise((resolve) => {
      box.addEventListener("close", () => {
        if (returnFocus && returnFocus.isConnected) returnFocus.focus();
        resolve();
      }, {once: true});
      box.showModal();
      document.getElementById("message-ok").focus();
    });
  }

  // A press before the program has started waits for it, and the window shows it is busy.
  function press(name) {
    if (ended || failed) return;
    if (!started) program.setAttribute("aria-busy", "true");
    pending = pending.then(() => {
      if (ended) return undefined;
      return Module.ccall("gavrento_click", null, ["string"], [name], {async: true});
    }).catch(report);
  }

  // CSS's system colours as 0xRRGGBB, as the browser computes them now.
  function systemColour(keyword) {
    const probe = document.createElement("span");
    probe.style.color = keyword;
    document.body.append(probe);
    const [red, green, blue] = getComputedStyle(probe).color.match(/\d+/g).map(Number);
    probe.remove();
    return (red << 16) | (green << 8) | blue;
  }

  // The user's colours are read only when they are in force: each reading restyles the page.
  const forcedColours = matchMedia("(forced-colors: active)");
  function applyColours() {
    const forced = forcedColours.matches;
    Module._gavrento_colours(forced ? 1 : 0, forced ? systemColour("Highlight") : 0,
                             forced ? systemColour("ButtonFace") : 0,
                             forced ? systemColour("ButtonText") : 0);
  }

  for (const [name, element] of elements) {
    if (element.tagName === "BUTTON") element.addEventListener("click", () => press(name));
  }
  // The control the program focuses first, marked when the page was written. Focused here
  // at once: an autofocus attribute would wait for the browser's next frame.
  program.inert = false;
  const first = client.querySelector("[data-first-focus]");
  if (first && document.activeElement === document.body) first.focus();
  // Placed, focused and taking presses: ready for input.
  document.body.dataset.state = "accepting";
  // The program's loader (preloaded), run as soon as it has come, with the Module above: a
  // deferred script would wait for the page's first frame.
  document.head.append(Object.assign(document.createElement("script"), {src: "gavrento.js"}));

  return {
    instantiate,
    cannotStart,

    setInk(name, red, green, blue) {
      const element = elements.get(name);
      element.style.setProperty("--ink", rgb(red, green, blue));
    },

    setFace(red, green, blue) {
      client.style.setProperty("--face", rgb(red, green, blue));
    },

    // The page was written in the page's own colours; the user's, if forced, replace them.
    ready() {
      clearTimeout(watchdog);
      if (failed && !onlySlow) return;
      started = true;
      if (failed) {
        failed = false;
        document.getElementById("failure").replaceChildren();
        program.hidden = false;
      }
      if (forcedColours.matches) applyColours();
      forcedColours.addEventListener("change", applyColours);
      program.removeAttribute("aria-busy");
      document.body.dataset.state = "ready";
      programReady();
    },

    text(name) {
      return elements.get(name).value;
    },

    // The boxes are narrower than a fifteen-digit result: show its beginning.
    setText(name, text) {
      const box = elements.get(name);
      box.value = text;
      box.scrollLeft = 0;
    },

    // Into the polite live region, which screen readers read out when it changes.
    announce(text) {
      document.getElementById("announcement").textContent = text;
    },

    // The separator the browser's first language writes numbers with.
    decimalSeparator() {
      const parts = new Intl.NumberFormat(navigator.languages[0] || navigator.language)
                        .formatToParts(1.5);
      return parts.find((part) => part.type === "decimal").value;
    },

    showMessageBox,

    // A tab the user opened may not be closed by its page: then the page says the program
    // has ended and offers only to start it again.
    end(endedText, startAgain) {
      ended = true;
      window.close();
      if (window.closed) return;
      const heading = document.createElement("h1");
      heading.textContent = endedText;
      const again = document.createElement("a");
      again.href = location.href.split("#")[0];
      again.textContent = startAgain;
      program.className = "ended";
      program.replaceChildren(heading, again);
      document.title = endedText;
      again.focus();
    },
  };
})();

document.getElementById("message-ok").addEventListener("click", () => {
  document.getElementById("message-box").close();
});

// Working offline is an extra: the person is told nothing if it cannot be had, the developer
// is. Registered once the page has loaded, so that on a slow line the service worker's
// downloads do not hold up the page's own; it revalidates what the page fetched, so a first
// visit downloads each file once.
if (location.protocol !== "file:" && "serviceWorker" in navigator) {
  addEventListener("load", () => {
    navigator.serviceWorker.register("sw.js").catch((error) => {
      console.warn("Gavrento will not work offline:", error);
    });
  });
}
