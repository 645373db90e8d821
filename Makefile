# make run   - install what is missing, build, start the program
#              (without a display: play a short round offscreen and save screenshots)
# make test  - install what is missing, build, run every test
# make bench - install what is missing, build optimised, run the benchmarks
#              (the real program under Xvfb, clicked with xdotool)

BUILD   ?= build
JOBS    ?= $(shell nproc 2>/dev/null || echo 2)
SUDO    := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)

# Debian 12 packages. The SQLite driver of Qt is only recommended by Qt, so it
# is named; without a CJK font every Chinese character is drawn as a box.
# Node.js, npm and Chromium play the HTML5 games in the browser tests; Xvfb
# runs the start-up test under X11.
PACKAGES = cmake g++ make pkg-config \
           qt6-base-dev libqt6sql6-sqlite qt6-svg-dev qt6-webengine-dev libfontconfig-dev \
           fonts-wqy-microhei nodejs npm chromium xvfb xauth
BROWSER_TESTS = tests/browser
BENCH_PACKAGES = xdotool

.PHONY: run test bench build deps bench-deps browser-test-deps clean

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
	@echo "Generating one page of each exercise type (tab, type, ms per page):"
	$(BUILD)/bench_generate -csv | tee $(BUILD)/generate.csv
	@awk -F, '$$3 ~ /Walltime/ && $$4 > worst { worst = $$4; type = $$2 } END { printf "Slowest page: %s, %.3f ms\n", type, worst }' $(BUILD)/generate.csv
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench_pages
	xvfb-run -a -s "-screen 0 1280x1024x24" $(BUILD)/bench_startup

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
