# Thin driver over CMake/Ninja. Every target installs missing Debian packages first.
BUILD      ?= build
BUILD_ASAN ?= build-asan
CMAKE_FLAGS ?=

PREFIX     ?= /usr/local

.PHONY: all deps configure build test bench run install package translations clean soak

all: build

deps:
	@scripts/install-deps

$(BUILD)/build.ninja: | deps
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >/dev/null

configure: deps $(BUILD)/build.ninja

build: configure
	@cmake --build $(BUILD)

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 --timeout 600

bench: build
	@for b in $(BUILD)/bench/*_bench; do echo "== $$b"; $$b --benchmark_min_time=0.2; done

# The network soak (see the README), then the fan-out of a game's moves to 1,000 clients.
soak: build
	@nice $(BUILD)/tools/load/tamsok_load --soak
	@nice $(BUILD)/tools/load/tamsok_load -n 1000

# Starts the game window; it needs a display (under Xvfb: xvfb-run make run).
run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "make run: no display (neither DISPLAY nor WAYLAND_DISPLAY is set); try: xvfb-run make run"; \
	  exit 1; \
	fi
	@$(BUILD)/ui/tamsok

# Gathers the marked texts of the code into ui/translations/*.ts; a new text comes in
# untranslated, and the build's translation test fails until it is translated there.
translations: configure
	@cmake --build $(BUILD) --target update_translations

# The program with its sound, menu entry, icons and metainfo under PREFIX (DESTDIR is honoured).
install: configure
	@cmake --build $(BUILD) --target tamsok
	@cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package, tamsok_<version>_<arch>.deb in $(BUILD); its dependencies come from the
# program's libraries.
package: configure
	@cmake --build $(BUILD) --target tamsok
	@cd $(BUILD) && cpack -G DEB

# The libFuzzer targets, built with clang in their own folder, each run for FUZZ_SECONDS.
BUILD_FUZZ   ?= build-fuzz
FUZZ_SECONDS ?= 30

.PHONY: fuzz test-asan

fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B $(BUILD_FUZZ) -G Ninja -DTAMSOK_FUZZ=ON -DTAMSOK_GUI=OFF -DTAMSOK_BENCH=OFF >/dev/null
	@cmake --build $(BUILD_FUZZ) --target fuzzers
	@fuzz/run $(BUILD_FUZZ) $(FUZZ_SECONDS)

# Every test built with AddressSanitizer and UBSan (g++). Any report ends the process with an
# error, so it fails its test; leaks included. The suppressions name third-party libraries only.
# The build runs the test programs too (test discovery), so it gets the same settings.
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=0:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1 \
                UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
                LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0

test-asan: deps
	@CC=gcc CXX=g++ cmake -S . -B $(BUILD_ASAN) -G Ninja -DTAMSOK_SANITIZE=ON $(CMAKE_FLAGS) >/dev/null
	@$(SANITIZER_ENV) cmake --build $(BUILD_ASAN)
	@cd $(BUILD_ASAN) && $(SANITIZER_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 --timeout 600

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_FUZZ)
