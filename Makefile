# The two commands of the README: `make run` and `make test`.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: all run test build deps clean

all: build

deps:
	@scripts/install-deps

build: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
		echo "Vantrel needs a display. Without one, run it on a virtual display:"; \
		echo "    xvfb-run make run"; \
		exit 1; \
	fi
	@exec scripts/run-demo $(BUILD_DIR)

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD_DIR)

# The fuzz targets, longer than the bounded run in `make test`: make fuzz FUZZ_SECONDS=600
FUZZ_SECONDS ?= 30
.PHONY: fuzz
fuzz: deps
	@FUZZ_SECONDS=$(FUZZ_SECONDS) FUZZ_JOBS=$(JOBS) fuzz/run-fuzzers build-fuzz

# The soak, longer than the bounded run in `make test`: make soak SOAK_SECONDS=3600
SOAK_SECONDS ?= 600
SOAK_TICKS ?= 10000000
.PHONY: soak
soak: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target vantrel_soak_test
	@VANTREL_SOAK_SECONDS=$(SOAK_SECONDS) VANTREL_SOAK_TICKS=$(SOAK_TICKS) \
		$(BUILD_DIR)/tests/vantrel_soak_test

# Benchmarks, each against a floor measured in the same run; not part of `make test`. The idle
# wake-up count runs BENCH_IDLE_SECONDS and is scaled to a minute; `make bench-idle` counts over a
# full minute.
BENCH_IDLE_SECONDS ?= 15
.PHONY: bench bench-idle bench-build
bench-build: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target vantrel_bench vantrel_gui_bench
bench: bench-build
	@$(BUILD_DIR)/bench/vantrel_bench
	@xvfb-run -a $(BUILD_DIR)/bench/vantrel_gui_bench --idle_seconds=$(BENCH_IDLE_SECONDS)
bench-idle: bench-build
	@xvfb-run -a $(BUILD_DIR)/bench/vantrel_gui_bench --benchmark_filter=Idle --idle_seconds=60

# make install [PREFIX=/usr/local] [DESTDIR=...] [CLIENT_DIR=/path/to/the/client's/folder]
# make uninstall [DESTDIR=...]: removes what the last install put there.
PREFIX ?= /usr/local
CLIENT_DIR ?=
.PHONY: install uninstall
install: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DVANTREL_CLIENT_DIR="$(CLIENT_DIR)" >/dev/null
	@cmake --build $(BUILD_DIR) -j $(JOBS)
	@DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix "$(PREFIX)"
uninstall:
	@DESTDIR="$(DESTDIR)" cmake -DMANIFEST=$(abspath $(BUILD_DIR))/install_manifest.txt \
		-P cmake/uninstall.cmake
