# make run     - install what the program needs, build, start the program
#                (without a display: play a short round offscreen and save screenshots)
# make test    - install what the program and its tests need, build, run every test
# make bench   - install what is missing, build optimised, run the benchmarks
#                (the real program under Xvfb, clicked with xdotool)
# make install - install the program under PREFIX (default /usr/local)
# make sanitize - build with AddressSanitizer and UBSan in build/sanitize and
#                run every QtTest suite there (not the games in Chromium)

BUILD   ?= build
JOBS    ?= $(shell nproc 2>/dev/null || echo 2)
PREFIX  ?= /usr/local

# Debian 12 packages the program needs to build and run. The SQLite driver of
# Qt is only recommended by Qt, so it is named, and the SQLite headers let the
# content store limit its work; without a CJK font every Chinese character is
# drawn as a box.
PACKAGES = cmake g++ make pkg-config \
           qt6-base-dev libqt6sql6-sqlite libsqlite3-dev qt6-svg-dev qt6-webengine-dev qt6-charts-dev \
           libfontconfig-dev fonts-wqy-microhei
# Only the tests need these: Node.js, npm and Chromium play the HTML5 games,
# pdftotext reads printed worksheets, the install test validates the desktop
# entry and the metainfo, and Xvfb runs the start-up test under X11.
TEST_PACKAGES = nodejs npm chromium poppler-utils desktop-file-utils appstream xvfb xauth
BROWSER_TESTS = tests/browser
BENCH_PACKAGES = xvfb xauth xdotool

SANITIZE_BUILD = $(BUILD)/sanitize

.PHONY: run test bench monkey sanitize build install deps test-deps bench-deps browser-test-deps clean

run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
		$(BUILD)/tallowby; \
	else \
		echo "No display: playing a short round offscreen."; \
		QT_QPA_PLATFORM=offscreen $(BUILD)/tallowby-screenshots $(BUILD)/screenshots; \
	fi

test: test-deps build browser-test-deps
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: bench-deps build
	@echo "Generating one page of each exercise type (tab, type, ms per page):"
	$(BUILD)/bench_generate -csv | tee $(BUILD)/generate.csv
	@awk -F, '$$3 ~ /Walltime/ && $$4 > worst { worst = $$4; type = $$2 } END { printf "Slowest page: %s, %.3f ms\n", type, worst }' $(BUILD)/generate.csv
	@awk -F, '$$2 ~ /时间计算（除2）/ && $$3 ~ /Walltime/ { printf "时间计算（除2）, which redraws until the durations divide: %.3f ms\n", $$4 }' $(BUILD)/generate.csv
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench_pages
	xvfb-run -a -s "-screen 0 1280x1024x24" $(BUILD)/bench_startup

sanitize: test-deps
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALLOWBY_SANITIZE=ON
	cmake --build $(SANITIZE_BUILD) -j $(JOBS) --target test_suites
	cd $(SANITIZE_BUILD) && ctest --output-on-failure -j $(JOBS) -L 'core|window'

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

# make monkey N=1000000: the monkey test of make test, with N random events.
N ?= 1000000
monkey: build
	cd $(BUILD) && MONKEY_EVENTS=$(N) TALLOWBY_BUILD_DIR=$$PWD ./test_monkey

# make install PREFIX=/opt/tallowby: bin/tallowby, its plugins and program
# folder, a menu entry, an icon and AppStream metainfo.
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# Installs whichever of $(1) is missing: as root directly, otherwise through
# sudo; a user who may do neither is told in one line what to install. A
# package also counts as present when a command of its name is: NodeSource's
# nodejs brings its own npm and conflicts with Debian's npm package.
define install-packages
	@missing=$$(for p in $(1); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || command -v $$p >/dev/null || echo $$p; done); \
	if [ -z "$$missing" ]; then exit 0; fi; \
	if [ "$$(id -u)" -eq 0 ]; then sudo=; \
	elif command -v sudo >/dev/null && { sudo -n true 2>/dev/null || id -nG | grep -qwE 'sudo|admin'; }; then sudo=sudo; \
	else echo "Missing Debian packages: $$missing. Please install them as root: apt-get install $$missing"; exit 1; fi; \
	echo "Installing:" $$missing; \
	$$sudo apt-get update && DEBIAN_FRONTEND=noninteractive $$sudo apt-get install -y $$missing
endef

deps:
	$(call install-packages,$(PACKAGES))

test-deps: deps
	$(call install-packages,$(TEST_PACKAGES))

# The browser tests' npm packages, installed again when the lock file changes.
browser-test-deps: $(BROWSER_TESTS)/node_modules/.package-lock.json

$(BROWSER_TESTS)/node_modules/.package-lock.json: $(BROWSER_TESTS)/package-lock.json | test-deps
	cd $(BROWSER_TESTS) && npm ci --no-audit --no-fund
	touch $@

bench-deps: deps
	$(call install-packages,$(BENCH_PACKAGES))

clean:
	rm -rf $(BUILD)
