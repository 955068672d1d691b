# Front door: every target first makes sure the Debian packages are there.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)

.PHONY: all deps build build-asan test run bench fuzz clean screenshot install package

all: build

deps:
	@scripts/install-deps

# Configuring again is cheap and keeps the options of an older tree in line. The generator is
# chosen by scripts/configure, after the dependencies (Ninja among them) are installed.
build: deps
	scripts/configure $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZALVOR_GUI=ON -DZALVOR_SANITIZE=OFF
	cmake --build $(BUILD) -j $(JOBS)

build-asan: deps
	scripts/configure $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DZALVOR_SANITIZE=ON -DZALVOR_GUI=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)

test: build build-asan
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

run: build
	scripts/run-demo $(BUILD)

bench: build
	@scripts/install-deps --bench
	ZALVOR_BUILD=$(BUILD) scripts/run-bench

# Every reader under libFuzzer (clang, own tree build-fuzz), FUZZ_TIME seconds per target.
FUZZ_TIME ?= 60
fuzz: deps
	FUZZ_TIME=$(FUZZ_TIME) JOBS=$(JOBS) scripts/run-fuzz

screenshot: build
	scripts/screenshot $(BUILD)

# Installs the programs, menu entry, icon and docs under PREFIX (make install PREFIX=~/.local).
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package zalvor_<version>_<arch>.deb in $(BUILD).
package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) build-fuzz
