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
