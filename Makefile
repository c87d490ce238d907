# The two commands of the README: `make run` and `make test`.
BUILD_DIR := build
JOBS := $(shell nproc 2>/dev/null || echo 2)
# A compiler cache, where the machine has one, makes rebuilds after a branch switch cheap.
CCACHE := $(shell command -v ccache 2>/dev/null)
CMAKE_LAUNCHER := $(if $(CCACHE),-DCMAKE_CXX_COMPILER_LAUNCHER=$(CCACHE) -DCMAKE_C_COMPILER_LAUNCHER=$(CCACHE))

# Where `make install` puts the program; DESTDIR stages it elsewhere.
PREFIX ?= /usr/local

.PHONY: run test build deps bench fonts art ngc clean install uninstall deb asan fuzz test-package

deps:
	@./scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release $(CMAKE_LAUNCHER) >/dev/null
	@cmake --build $(BUILD_DIR) -j$(JOBS)

# Only the program and cvltool (which lays out the sample catalogue): the
# tests and benchmarks wait for `make test` and `make bench`.
run: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release $(CMAKE_LAUNCHER) >/dev/null
	@cmake --build $(BUILD_DIR) -j$(JOBS) --target corvala cvltool
	@./scripts/prepare-run.sh
	cd $(BUILD_DIR)/run && ../corvala

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)

# The whole test suite again with AddressSanitizer, UndefinedBehaviorSanitizer
# and LeakSanitizer, in a build folder of its own. It is built with clang, so the
# same run proves the tree compiles with both compilers.
ASAN_DIR := build-asan
asan: deps
	@cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Release -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
	  -DCORVALA_SANITIZE=ON $(CMAKE_LAUNCHER) >/dev/null
	@cmake --build $(ASAN_DIR) -j$(JOBS)
	cd $(ASAN_DIR) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizer/lsan.supp ctest --output-on-failure -j$(JOBS)

# Each fuzz target runs FUZZ_SECONDS under libFuzzer (clang, with ASan and
# UBSan). New inputs collect in build-fuzz/corpus, crashes in build-fuzz/findings;
# a finding worth keeping is copied to tests/fuzz/corpus so the test run replays it.
FUZZ_DIR := build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?= cvl bmp fnt settings csv replay_script cvl_file settings_file
fuzz: deps
	@cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=Release -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
	  -DCORVALA_FUZZ=ON $(CMAKE_LAUNCHER) >/dev/null
	@cmake --build $(FUZZ_DIR) -j$(JOBS) --target fuzz_programs
	@for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_DIR)/corpus/$$t $(FUZZ_DIR)/findings/$$t; \
	  echo "== fuzz_$$t for $(FUZZ_SECONDS) s"; \
	  $(FUZZ_DIR)/tests/fuzz/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    -artifact_prefix=$(FUZZ_DIR)/findings/$$t/ $(FUZZ_DIR)/corpus/$$t tests/fuzz/corpus/$$t || exit 1; \
	done

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix "$(PREFIX)"

uninstall:
	@DESTDIR="$(DESTDIR)" ./scripts/uninstall.sh $(BUILD_DIR) "$(PREFIX)"

# A Debian package (build/package/corvala_<version>_<arch>.deb), installed with
# apt-get install ./build/package/corvala_*.deb
deb: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release $(CMAKE_LAUNCHER) >/dev/null
	@cmake --build $(BUILD_DIR) -j$(JOBS) --target installed_files
	cd $(BUILD_DIR) && cpack -G DEB

# The package's round trip on this machine: built, checked by lintian,
# installed with apt-get, run (a catalogue opened through xdg-open on a private
# X server), removed. It changes the machine's installed packages, so it is
# kept out of `make test`; it needs root on Debian.
test-package: deb
	bash tests/install/deb_test.sh $(BUILD_DIR)

bench: build
	@for b in $(BUILD_DIR)/bench/*_bench; do echo "== $$b"; $$b; done

# Regenerate the committed data files (fonts from free TrueType faces, pictures
# drawn by our own raster unit); the results are committed.
fonts: build
	@./scripts/regen-fonts.sh

art: build
	@./scripts/regen-art.sh

# The NGC/IC nebulae from OpenNGC (kstars-data, installed when missing).
ngc:
	@./scripts/regen-ngc.sh

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR)

# Windows: the programs cross-built with mingw-w64 into build-windows/, their
# tests run under Wine, and the zip and the installer (see README, "Windows").
WIN_DIR := build-windows
WIN_JOBS ?= 2
.PHONY: windows-deps windows test-windows windows-package bench-windows
windows-deps:
	@./scripts/install-windows-deps.sh

windows: windows-deps
	@cmake -S . -B $(WIN_DIR) -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64.cmake \
	  $(CMAKE_LAUNCHER) >/dev/null
	@cmake --build $(WIN_DIR) -j$(WIN_JOBS)

test-windows: windows
	@./scripts/test-windows.sh $(WIN_DIR)

windows-package: windows
	@./scripts/windows-package.sh $(WIN_DIR)

# The raster unit and frame benchmarks under Wine beside the same sources on
# Linux, and the GDI presentation in a real window (bench/README.md). Run by
# hand: benchmarks are no tests. BENCH_ROUNDS rounds give the spread.
BENCH_ROUNDS ?= 3
bench-windows: deps windows
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release $(CMAKE_LAUNCHER) >/dev/null
	@cmake --build $(BUILD_DIR) -j$(JOBS) --target rastrix_bench frame_bench rastrix_bench_standin frame_bench_standin
	@./scripts/bench-windows.sh $(BUILD_DIR) $(WIN_DIR) $(BENCH_ROUNDS)
