# The two everyday commands are `make run` and `make test`; each installs what
# is missing, configures build/ and builds first.
BUILD := build
JOBS := $(shell nproc)
ARGS ?=

.PHONY: all deps build test package-test test-sanitizers stress format format-check run bench screenshot install package icons clean

all: build

deps:
	@scripts/install-deps.sh build

# Warnings are errors here, so make test (which CI runs) fails on any.
$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DKELMO_WERROR=ON

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS)

# Every test runs once: a test that fails has found a fault.
test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS) -LE package

# The Debian packages built from the tree and checked (several minutes: the
# program is compiled again with Debian's flags); CI runs it after the tests,
# a developer before a change to the packaging.
package-test: build
	cd $(BUILD) && ctest --output-on-failure -L package

# The survey's and the saved scans' tests under ThreadSanitizer, then the
# whole suite under AddressSanitizer and UndefinedBehaviorSanitizer (the
# package test builds its own packages, so it is left out there), with leak
# detection on: tests/support/lsan.supp holds what libraries may keep until
# exit. CI runs this after make test.
SANITIZED := -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELMO_BENCHMARKS=OFF -DKELMO_WERROR=ON
test-sanitizers: deps
	cmake -S . -B $(BUILD)-tsan $(SANITIZED) -DKELMO_SANITIZE=thread
	cmake --build $(BUILD)-tsan -j$(JOBS) --target survey_tests savedscan_tests
	TSAN_OPTIONS=halt_on_error=1 $(BUILD)-tsan/tests/survey/survey_tests --gtest_brief=1
	TSAN_OPTIONS=halt_on_error=1 $(BUILD)-tsan/tests/savedscan/savedscan_tests --gtest_brief=1
	cmake -S . -B $(BUILD)-asan $(SANITIZED) -DKELMO_SANITIZE=address
	cmake --build $(BUILD)-asan -j$(JOBS)
	cd $(BUILD)-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/support/lsan.supp \
	  ctest --output-on-failure -j$(JOBS) -LE package

# The walk's concurrency and descriptor tests 200 times, beside a busy loop
# on every processor; a single failure fails it. Not in CI: it takes the
# better part of an hour (RUNS=20 for a shorter one).
stress: build
	scripts/stress.sh $(BUILD)/tests/survey/survey_tests

# The C++ sources kept in the style of .clang-format; a folder not there
# (yet) is skipped. format rewrites them; format-check changes nothing and
# fails on any difference.
FORMAT_DIRS := $(wildcard app cli savedscan history survey trash chart legend windows resources tests bench)
FORMATTED = $(shell find $(FORMAT_DIRS) -name '*.cpp' -o -name '*.h')
format: deps
	clang-format -i $(FORMATTED)

format-check: deps
	clang-format --dry-run --Werror $(FORMATTED)

run: build
	$(BUILD)/cli/kelmo $(ARGS)

bench: build
	@scripts/install-deps.sh bench
	COLD=$(COLD) bench/run.sh $(BUILD)/cli/kelmo

screenshot: build
	@scripts/install-deps.sh screenshot
	scripts/screenshot.sh $(BUILD)/cli/kelmo

install: build
	cmake --install $(BUILD)

package: deps
	scripts/build-debian-package.sh . $(BUILD)

icons:
	scripts/render-icons.sh

clean:
	rm -rf $(BUILD) $(BUILD)-tsan $(BUILD)-asan
