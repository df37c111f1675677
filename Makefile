# The two everyday commands are `make run` and `make test`; each installs what
# is missing, configures build/ and builds first.
BUILD := build
JOBS := $(shell nproc)
ARGS ?=

.PHONY: all deps build test run bench screenshot install package icons clean

all: build

deps:
	@scripts/install-deps.sh build

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

run: build
	$(BUILD)/app/kelmo $(ARGS)

bench: build
	@scripts/install-deps.sh bench
	COLD=$(COLD) bench/run.sh $(BUILD)/app/kelmo

screenshot: build
	@scripts/install-deps.sh screenshot
	scripts/screenshot.sh $(BUILD)/app/kelmo

install: build
	cmake --install $(BUILD)

package: deps
	scripts/build-debian-package.sh . $(BUILD)

icons:
	scripts/render-icons.sh

clean:
	rm -rf $(BUILD)
