# make test   installs what is missing, builds both targets and runs every test
# make build  installs what is missing and builds both targets
# make run    starts the development server and the client under Wine
# make fuzz   builds the fuzz targets (clang, libFuzzer, ASan + UBSan) in build/fuzz

NATIVE := build/native
WIN64  := build/win64
FUZZ   := build/fuzz
JOBS   ?= $(shell nproc)

.PHONY: deps native win64 fuzz build test test-native test-windows test-fuzz run clean

deps:
	@tools/install-deps.sh

native:
	@cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(NATIVE) -j$(JOBS)

win64:
	@cmake -S . -B $(WIN64) -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake \
	  -DTAVIMO_NATIVE_BUILD=$(CURDIR)/$(NATIVE) >/dev/null
	@cmake --build $(WIN64) -j$(JOBS)

fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ) -DCMAKE_BUILD_TYPE=Release -DTAVIMO_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ) -j$(JOBS)

build: deps
	@$(MAKE) --no-print-directory native win64

test-native: deps native
	ctest --test-dir $(NATIVE) --output-on-failure -j$(JOBS)

test-windows: deps win64
	tests/support/run-windows-tests.sh $(WIN64)

test-fuzz: fuzz
	tests/fuzz/run-short.sh

test: build fuzz
	ctest --test-dir $(NATIVE) --output-on-failure -j$(JOBS)
	tests/support/run-windows-tests.sh $(WIN64)
	tests/fuzz/run-short.sh

run: build
	tools/run.sh

clean:
	rm -rf build
