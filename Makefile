# The two everyday commands: `make gallery` and `make test`. Both install what is missing first.
BUILD ?= build
PREFIX ?= $(CURDIR)/dist
JOBS ?= $(shell nproc)
RUN := scripts/wine-run.sh
export MARLOW_BUILD := $(abspath $(BUILD))

.PHONY: all setup configure build test gallery install bench clean

all: build

setup:
	@scripts/setup.sh

$(BUILD)/CMakeCache.txt: | setup
	cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: setup $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j $(JOBS)

prefix: setup
	@scripts/wine-prefix.sh

test: build prefix
	scripts/run-tests.sh $(BUILD)

gallery: build prefix
	scripts/run-gallery.sh $(BUILD)

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

bench: build prefix
	scripts/run-bench.sh $(BUILD)

clean:
	rm -rf $(BUILD) dist
