# make run   - install what is missing, build, start the program
#              (without a display: play a short round offscreen and save screenshots)
# make test  - install what is missing, build, run every test
# make bench - install what is missing, build optimised, run the benchmarks
# make sanitize - build with AddressSanitizer and UBSan in build/sanitize and
#              run every QtTest suite there (not the games in Chromium)

BUILD   ?= build
JOBS    ?= $(shell nproc 2>/dev/null || echo 2)
SUDO    := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)

# Debian 12 packages. The SQLite driver of Qt is only recommended by Qt, so it
# is named, and the SQLite headers let the content store limit its work;
# without a CJK font every Chinese character is drawn as a box.
# Node.js, npm and Chromium play the HTML5 games in the browser tests.
PACKAGES = cmake g++ make pkg-config \
           qt6-base-dev libqt6sql6-sqlite libsqlite3-dev qt6-svg-dev qt6-webengine-dev \
           fonts-wqy-microhei nodejs npm chromium
BROWSER_TESTS = tests/browser
BENCH_PACKAGES = xvfb xauth

SANITIZE_BUILD = $(BUILD)/sanitize

.PHONY: run test bench sanitize build deps bench-deps browser-test-deps clean

run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
		$(BUILD)/tallowby; \
	else \
		echo "No display: playing a short round offscreen."; \
		QT_QPA_PLATFORM=offscreen $(BUILD)/tallowby-screenshots $(BUILD)/screenshots; \
	fi

test: build browser-test-deps
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: bench-deps build
	@echo "Generating one page of each 加减乘除 type (ms per page):"
	$(BUILD)/bench_generate -csv
	@if command -v xvfb-run >/dev/null; then \
		xvfb-run -a $(BUILD)/bench_startup; \
	else \
		QT_QPA_PLATFORM=offscreen $(BUILD)/bench_startup; \
	fi

sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALLOWBY_SANITIZE=ON
	cmake --build $(SANITIZE_BUILD) -j $(JOBS) --target test_suites
	cd $(SANITIZE_BUILD) && ctest --output-on-failure -j $(JOBS) -L 'core|window'

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

# A package also counts as present when a command of its name is: NodeSource's
# nodejs brings its own npm and conflicts with Debian's npm package.
deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || command -v $$p >/dev/null || echo $$p; done); \
	if [ -n "$$missing" ]; then \
		echo "Installing:" $$missing; \
		$(SUDO) apt-get update && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y $$missing; \
	fi

# The browser tests' npm packages, installed again when the lock file changes.
browser-test-deps: $(BROWSER_TESTS)/node_modules/.package-lock.json

$(BROWSER_TESTS)/node_modules/.package-lock.json: $(BROWSER_TESTS)/package-lock.json | deps
	cd $(BROWSER_TESTS) && npm ci --no-audit --no-fund
	touch $@

bench-deps:
	@$(MAKE) --no-print-directory deps PACKAGES="$(PACKAGES) $(BENCH_PACKAGES)"

clean:
	rm -rf $(BUILD)
