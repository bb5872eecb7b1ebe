# Gavrento in the browser (docs/web.md): `make web` builds the static site into
# build-web/site/ with Debian's emscripten; `make web-run` serves it on 127.0.0.1 and prints
# its address; `make test-web` runs the web build's checks (ctest --preset web), the page in
# Debian's Chromium through Playwright. `make test-web WEB_SCREENSHOTS=docs` keeps pictures
# of the page, normal, under forced colours and on a phone.
WEB_PORT        ?= 8080
WEB_SCREENSHOTS ?=

.PHONY: web web-run test-web

web:
	@scripts/install-packages.sh web
	cmake --preset web -DGAVRENTO_WERROR=$(WERROR)
	cmake --build --preset web

web-run: web
	@echo "Gavrento: http://127.0.0.1:$(WEB_PORT)/"
	python3 -m http.server $(WEB_PORT) --bind 127.0.0.1 --protocol HTTP/1.1 --directory build-web/site

test-web: web
	GAVRENTO_WEB_SCREENSHOTS=$(abspath $(WEB_SCREENSHOTS)) ctest --preset web

# The page against a bare page with the same controls, in headless Chromium: first-visit
# bytes, navigation to ready, Calcola to written (bench/web_bench.js). `make bench` runs it too.
.PHONY: bench-web
bench-web: web
	PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --prefix tests/web >/dev/null
	GAVRENTO_SITE=$(abspath build-web/site) GAVRENTO_RECORDS=$(abspath build-web/records.json) \
	  node bench/web_bench.js

bench: bench-web
