# The two commands of the README: `make run` and `make test`.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
CONFIGURE = cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all run test build program deps deps-test deps-deb deb clean

all: build

# The Debian packages the program needs to build and run; deps-test adds what only the tests,
# benchmarks and fuzzing need, and the ja_JP.UTF-8 locale.
deps:
	@scripts/install-deps run
deps-test:
	@scripts/install-deps test
deps-deb:
	@scripts/install-deps deb

# The program and the client simulator of its demo, nothing else (make run, make install).
program: deps
	@$(CONFIGURE) -DVANTREL_BUILD_TESTS=OFF -DVANTREL_CLIENT_DIR="$(CLIENT_DIR)" >/dev/null
	@cmake --build $(BUILD_DIR) -j $(JOBS)

# Everything: the program, the tests, the benchmarks and the developer tools.
build: deps-test
	@$(CONFIGURE) -DVANTREL_BUILD_TESTS=ON >/dev/null
	@cmake --build $(BUILD_DIR) -j $(JOBS)

# make run CLIENTS=4: four simulated clients at different speeds under the clients overview.
CLIENTS ?=
run: program
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
		echo "Vantrel needs a display. Without one, run it on a virtual display:"; \
		echo "    xvfb-run make run"; \
		exit 1; \
	fi
	@exec env CLIENTS="$(CLIENTS)" scripts/run-demo $(BUILD_DIR)

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD_DIR)

# The Debian package, built by dpkg-buildpackage from a copy of the tree: $(BUILD_DIR)/vantrel_<version>_<arch>.deb
deb: deps-deb
	@scripts/make-deb $(BUILD_DIR)

# New or changed texts of the interface merged into the English catalog, for translating.
.PHONY: update-po
update-po: program
	@msgmerge --update --backup=none --no-fuzzy-matching po/en.po $(BUILD_DIR)/po/vantrel.pot

# The fuzz targets, longer than the bounded run in `make test`: make fuzz FUZZ_SECONDS=600
FUZZ_SECONDS ?= 30
.PHONY: fuzz
fuzz: deps-test
	@FUZZ_SECONDS=$(FUZZ_SECONDS) FUZZ_JOBS=$(JOBS) fuzz/run-fuzzers build-fuzz

# The soak, longer than the bounded run in `make test`: make soak SOAK_SECONDS=3600
SOAK_SECONDS ?= 600
SOAK_TICKS ?= 10000000
.PHONY: soak
soak: deps-test
	@$(CONFIGURE) -DVANTREL_BUILD_TESTS=ON >/dev/null
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target vantrel_soak_test
	@VANTREL_SOAK_SECONDS=$(SOAK_SECONDS) VANTREL_SOAK_TICKS=$(SOAK_TICKS) \
		$(BUILD_DIR)/tests/vantrel_soak_test

# Benchmarks, each against a floor measured in the same run; not part of `make test`. The idle
# wake-up count runs BENCH_IDLE_SECONDS and is scaled to a minute; `make bench-idle` counts over a
# full minute.
BENCH_IDLE_SECONDS ?= 15
.PHONY: bench bench-idle bench-history bench-build
bench-build: deps-test
	@$(CONFIGURE) -DVANTREL_BUILD_TESTS=ON >/dev/null
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target vantrel_bench vantrel_gui_bench
bench: bench-build
	@$(BUILD_DIR)/bench/vantrel_bench
	@xvfb-run -a $(BUILD_DIR)/bench/vantrel_gui_bench --idle_seconds=$(BENCH_IDLE_SECONDS)
bench-idle: bench-build
	@xvfb-run -a $(BUILD_DIR)/bench/vantrel_gui_bench --benchmark_filter=Idle --idle_seconds=60
# The real history window on logs of 100,000 and 1,000,000 lines alone.
bench-history: bench-build
	@xvfb-run -a $(BUILD_DIR)/bench/vantrel_gui_bench --benchmark_filter=HistoryWindow

# make install [PREFIX=/usr/local] [DESTDIR=...] [CLIENT_DIR=/path/to/the/client's/folder]
# make uninstall [DESTDIR=...]: removes what the last install put there.
PREFIX ?= /usr/local
CLIENT_DIR ?=
.PHONY: install uninstall
install: program
	@DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix "$(PREFIX)" --strip
uninstall:
	@DESTDIR="$(DESTDIR)" cmake -DMANIFEST=$(abspath $(BUILD_DIR))/install_manifest.txt \
		-P cmake/uninstall.cmake
