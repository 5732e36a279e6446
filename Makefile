# Entry points. CMake builds; scripts/ holds the glue (deps, Wine prefix, test runner).
JOBS   ?= 2
CMAKE  := cmake --log-level=WARNING
BUILD  := cmake --build
MAKEFLAGS += --no-print-directory
# A tree keeps the toolchain it was first configured with, and CMake warns that a toolchain file
# given again went unused: name it only while the tree is new. $(call toolchain,TREE,FILE)
toolchain = $(if $(wildcard build/$(1)/CMakeCache.txt),,-DCMAKE_TOOLCHAIN_FILE=cmake/$(2).cmake)

PUBLIC := all deps native asan win32 win64 test quick demo bench fuzz kit package
.PHONY: $(PUBLIC) $(addprefix _,$(PUBLIC)) _win32tree clean

# Several people share one work tree: builds and test runs take turns on build/.
$(PUBLIC):
	@mkdir -p build && flock build/.lock $(MAKE) _$@

_all: _native _win32 _win64

_deps:
	@scripts/install-deps.sh

_native: _deps
	@$(CMAKE) -S . -B build/native -DCMAKE_BUILD_TYPE=Debug
	@$(BUILD) build/native -j$(JOBS)

# Sanitizers at -O1: cheap enough to run the whole native suite on every `make test`.
_asan: _deps
	@$(CMAKE) -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=-O1 -DMIRELO_SANITIZE=ON
	@$(BUILD) build/asan -j$(JOBS)

_win32tree: _deps
	@$(CMAKE) -S . -B build/win32 -DCMAKE_BUILD_TYPE=Release $(call toolchain,win32,mingw-i686)

_win32: _win32tree
	@$(BUILD) build/win32 -j$(JOBS)

# The same sources for 64-bit hosts (64-bit Office, x64 .NET, the 64-bit script hosts).
_win64: _deps
	@$(CMAKE) -S . -B build/win64 -DCMAKE_BUILD_TYPE=Release $(call toolchain,win64,mingw-x86_64)
	@$(BUILD) build/win64 -j$(JOBS)

_test: _native _asan _win32 _win64 _fuzzbuild _package
	@scripts/run-tests.sh

# The installer packages (package/, wixl) of the stripped components: build/dist/*.msi.
_package: _win32 _win64
	@scripts/package.sh x86 build/win32
	@scripts/package.sh x64 build/win64

# Native unit tests only: the fast loop while working on the core.
_quick: _native
	@if [ -x build/native/native_tests ]; then build/native/native_tests --gtest_brief=1; \
	 else echo "quick: no native tests yet"; fi

# Only what the demo runs: the component and its host, not the test suites (a first run on a
# fresh clone stays short). `make test` builds the rest into the same tree later.
_demo: _win32tree
	@$(BUILD) build/win32 -j$(JOBS) --target MireloList demo
	@scripts/demo.sh

# The kit for C++ hosts: build/dist/MireloList-<VERSION>-sdk.zip.
_kit: _win32 _win64
	@scripts/kit.sh

_bench: _win32 _win64
	@scripts/bench.sh

# libFuzzer targets natively, then the hostile host against both Windows builds.
_fuzz: _deps _win32 _win64
	@scripts/fuzz.sh

# The fuzz targets also run briefly in `make test` (scripts/run-tests.sh).
_fuzzbuild: _deps
	@scripts/fuzz.sh --build-only

clean:
	@[ ! -d build/wineprefix ] || WINEPREFIX=$(CURDIR)/build/wineprefix wineserver -k 2>/dev/null || true
	rm -rf build
