# make run   builds and starts the launcher under Wine
# make test  builds both executables and runs every test under wine64
BUILD    := build
B32      := $(BUILD)/i686
B64      := $(BUILD)/x86_64
JOBS     ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps build build32 build64 test run clean

all: build

deps:
	@tools/install-deps.sh

build: build32 build64

build32: deps
	@cmake -S . -B $(B32) -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(B32) -j $(JOBS)

build64: deps
	@cmake -S . -B $(B64) -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-x86_64.cmake -DCMAKE_BUILD_TYPE=Debug -DTARVESSA_TESTS=ON >/dev/null
	@cmake --build $(B64) -j $(JOBS)

test: build
	@tools/with-xvfb.sh $(CURDIR)/$(B64)/wineprefix \
	  ctest --test-dir $(B64) --output-on-failure -j $(JOBS)

run: build
	@tools/run.sh $(CURDIR)/$(BUILD)

clean:
	rm -rf $(BUILD)
