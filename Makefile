# The commands a developer runs; CMake does the building, this only wraps it.
JOBS      ?= $(shell nproc)
PREFIX    ?= /usr/local
SECONDS   ?= 60
GENERATOR := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")
CMAKE     ?= cmake

BUILD      := build
BUILD_ASAN := build-asan
BUILD_TSAN := build-tsan
BUILD_BENCH := build-bench
BUILD_FUZZ := build-fuzz

.PHONY: all setup build test test-asan test-tsan check-all soak bench fuzz fuzz-run demo demo-terminal data relevance format translations install package clean

all: build example

setup:
	@scripts/setup

# Configure once per build folder; later builds reuse it.
$(BUILD)/CMakeCache.txt:
	$(CMAKE) -S . -B $(BUILD) $(GENERATOR)

build: setup $(BUILD)/CMakeCache.txt
	$(CMAKE) --build $(BUILD) -j $(JOBS)

# The example application, built against the build tree as an application builds against an
# installed package; its program lands beside the others in $(BUILD)/bin.
EXAMPLE := $(BUILD)/examples/pickaplace
.PHONY: example
example: build
	$(CMAKE) -S examples/pickaplace -B $(EXAMPLE) $(GENERATOR) -DHxTrellanPlaces_DIR=$(abspath $(BUILD)) \
		-DCMAKE_RUNTIME_OUTPUT_DIRECTORY=$(abspath $(BUILD))/bin >/dev/null
	$(CMAKE) --build $(EXAMPLE)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

$(BUILD_ASAN)/CMakeCache.txt:
	$(CMAKE) -S . -B $(BUILD_ASAN) $(GENERATOR) -DHX_SANITIZE=address -DCMAKE_BUILD_TYPE=Debug

test-asan: setup $(BUILD_ASAN)/CMakeCache.txt
	$(CMAKE) --build $(BUILD_ASAN) -j $(JOBS)
	cd $(BUILD_ASAN) && ctest --output-on-failure -j $(JOBS)

$(BUILD_TSAN)/CMakeCache.txt:
	$(CMAKE) -S . -B $(BUILD_TSAN) $(GENERATOR) -DHX_SANITIZE=thread -DCMAKE_BUILD_TYPE=Debug

test-tsan: setup $(BUILD_TSAN)/CMakeCache.txt
	$(CMAKE) --build $(BUILD_TSAN) -j $(JOBS)
	cd $(BUILD_TSAN) && ctest --output-on-failure -j $(JOBS)

check-all: test test-asan test-tsan

# Long runs that "make test" keeps short: the killed-card picks, then a random user of
# SOAK_STEPS steps or SOAK_SECONDS seconds on every screen (HX_RANDOM_SEED=N replays one run),
# each run by scripts/run-soak with time limits that follow those counts, and a closing summary.
SOAK_STEPS   ?= 5000
SOAK_SECONDS ?= 120
soak: build
	@HX_RANDOM_STEPS=$(SOAK_STEPS) HX_RANDOM_SECONDS=$(SOAK_SECONDS) scripts/run-soak $(BUILD)

$(BUILD_BENCH)/CMakeCache.txt:
	$(CMAKE) -S . -B $(BUILD_BENCH) $(GENERATOR) -DCMAKE_BUILD_TYPE=Release -DHX_BUILD_BENCH=ON -DHX_BUILD_TESTS=OFF

bench: setup $(BUILD_BENCH)/CMakeCache.txt
	$(CMAKE) --build $(BUILD_BENCH) -j $(JOBS)
	@scripts/run-benchmarks $(BUILD_BENCH)/bench

$(BUILD_FUZZ)/CMakeCache.txt:
	CC=clang CXX=clang++ $(CMAKE) -S . -B $(BUILD_FUZZ) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DHX_SANITIZE=fuzzer -DHX_BUILD_FUZZ=ON -DHX_BUILD_TESTS=OFF

fuzz: setup $(BUILD_FUZZ)/CMakeCache.txt
	$(CMAKE) --build $(BUILD_FUZZ) -j $(JOBS)

fuzz-run: fuzz
	@scripts/run-fuzzers $(BUILD_FUZZ)/fuzz $(SECONDS)

data: build
	$(CMAKE) --build $(BUILD) --target gazetteer

# How often the place a person means is shown before "More", over data/relevance.tsv.
relevance: data
	$(BUILD)/bin/places-relevance --gazetteer $(BUILD)/data/gazetteer.db data/relevance.tsv

# The picker in a window when a display is there, else in the terminal; demo-terminal keeps to it.
demo: build data
	@scripts/demo $(BUILD)

demo-terminal: build data
	@scripts/demo $(BUILD) --terminal

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Refresh the catalogues from the sources; no line numbers, so parallel work merges cleanly.
translations:
	lupdate -locations none -no-obsolete src tools/hxplaces examples/assets -ts translations/*.ts

install: build example
	$(CMAKE) --install $(BUILD) --prefix $(PREFIX)

# The API reference of the installed headers, into $(BUILD)/docs/html.
.PHONY: docs
docs: setup $(BUILD)/CMakeCache.txt
	$(CMAKE) --build $(BUILD) --target docs

# Debian packages of the build into $(BUILD)/packages (see cmake/HxDebianPackages.cmake).
package: build
	$(CMAKE) --build $(BUILD) --target package

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_TSAN) $(BUILD_BENCH) $(BUILD_FUZZ)
