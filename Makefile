# The two commands a developer needs: `make run` and `make test`. Everything else is set up by them.
BUILD_DIR ?= build
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test screenshots sanitize bench clean

all: build

deps:
	@scripts/install-deps

$(BUILD_DIR)/build.ninja: CMakeLists.txt | deps
	cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS)

configure: deps $(BUILD_DIR)/build.ninja

build: configure
	cmake --build $(BUILD_DIR)

# The app says what to do when there is no display to show it on.
run: build
	cmake --build $(BUILD_DIR) --target run

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure

# The gallery of every pane and window, light, dark and at double scale, on X11 and Wayland, under
# $(BUILD_DIR)/desktop-*/screenshots; it refreshes the README's pictures. Not part of `make test`.
screenshots: build
	cmake --build $(BUILD_DIR) --target screenshots

# ASan + UBSan build of its own, with clang: core, widget and desktop tests, failing on any report.
SANITIZE_DIR ?= build-sanitize
sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
		-DCMAKE_BUILD_TYPE=Debug -DAPP_SANITIZE=ON -DAPP_BENCHMARKS=OFF
	cmake --build $(SANITIZE_DIR)
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0:fast_unwind_on_malloc=0 \
		ctest --test-dir $(SANITIZE_DIR) --output-on-failure -L 'core|widgets|desktop'

# Optimised build of its own; prints one table of app / bare-window ratios. Not part of `make test`.
bench: deps
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DAPP_BENCHMARKS=ON -DBUILD_TESTING=OFF
	cmake --build build-bench
	python3 bench/run.py --build build-bench

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) build-bench
