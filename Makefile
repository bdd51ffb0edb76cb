# Thin driver over CMake/Ninja. Every target installs missing Debian packages first.
BUILD      ?= build
BUILD_ASAN ?= build-asan
CMAKE_FLAGS ?=

.PHONY: all deps configure build test bench run clean

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

# Starts the game window; it needs a display (under Xvfb: xvfb-run make run).
run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "make run: no display (neither DISPLAY nor WAYLAND_DISPLAY is set); try: xvfb-run make run"; \
	  exit 1; \
	fi
	@$(BUILD)/ui/tamsok

clean:
	rm -rf $(BUILD) $(BUILD_ASAN)
