# Two entry points for a fresh Debian 12 machine:
#   make run   installs what is missing, builds, generates the material, starts chemdrill
#   make test  installs what is missing, builds, runs every test headless
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: deps configure build run test test-x11 sanitize gallery bench clean fuzz fuzz-smoke

deps:
	bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/chemdrill

test: build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The same tests through real windows on a virtual X server.
test-x11: build
	QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir $(BUILD) --output-on-failure -j 1

# The same tests under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DCHEMDRILL_SANITIZE=ON
	cmake --build build-asan -j $(JOBS)
	QT_QPA_PLATFORM=offscreen ctest --test-dir build-asan --output-on-failure -j $(JOBS)

gallery: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/chemdrill-gallery docs/screens

# Start-up is timed on a real X server's map event, so the benchmark runs under
# Xvfb, with a D-Bus session as every desktop has one: without it, Qt's
# accessibility link launches a bus before the first window with controls maps.
bench: build
	xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- $(BUILD)/chemdrill-bench

# The Debian package, from the same build, checked; prints the .deb's path.
.PHONY: package
package: build
	cd $(BUILD) && cpack -G DEB
	bash packaging/check-deb.sh $(BUILD)

# The whole program used at random under the sanitizers, checked after every
# event; prints the seed. SEED=N replays a run, MONKEY_EVENTS sets its length.
MONKEY_EVENTS ?= 100000
.PHONY: monkey
monkey: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DCHEMDRILL_SANITIZE=ON
	cmake --build build-asan -j $(JOBS) --target chemdrill-monkey
	QT_QPA_PLATFORM=offscreen build-asan/chemdrill-monkey --events $(MONKEY_EVENTS) $(if $(SEED),--seed $(SEED))

clean:
	rm -rf $(BUILD) build-asan

# libFuzzer targets (clang, address and undefined-behaviour sanitizers) over
# every reader of outside text, FUZZ_SECONDS each; built in build-fuzz/.
FUZZ_SECONDS ?= 60
fuzz: deps
	bash fuzz/run.sh $(FUZZ_SECONDS)

# Each fuzz target for a few seconds over its committed corpus, for CI.
fuzz-smoke: deps
	bash fuzz/run.sh 4
