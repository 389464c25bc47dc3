# make test   installs what is missing, builds both targets and runs every test
# make build  installs what is missing and builds both targets
# make run    starts the development server and the client under Wine

NATIVE := build/native
WIN64  := build/win64
JOBS   ?= $(shell nproc)

.PHONY: deps native win64 build test test-native test-windows run clean

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

build: deps
	@$(MAKE) --no-print-directory native win64

test-native: deps native
	ctest --test-dir $(NATIVE) --output-on-failure -j$(JOBS)

test-windows: deps win64
	tests/support/run-windows-tests.sh $(WIN64)

test: build
	ctest --test-dir $(NATIVE) --output-on-failure -j$(JOBS)
	tests/support/run-windows-tests.sh $(WIN64)

run: build
	tools/run.sh

clean:
	rm -rf build
