# The two commands of the README: `make run` and `make test`.
BUILD_DIR := build
JOBS := $(shell nproc 2>/dev/null || echo 2)
# A compiler cache, where the machine has one, makes rebuilds after a branch switch cheap.
CCACHE := $(shell command -v ccache 2>/dev/null)
CMAKE_LAUNCHER := $(if $(CCACHE),-DCMAKE_CXX_COMPILER_LAUNCHER=$(CCACHE) -DCMAKE_C_COMPILER_LAUNCHER=$(CCACHE))

# Where `make install` puts the program; DESTDIR stages it elsewhere.
PREFIX ?= /usr/local

.PHONY: run test build deps bench fonts art clean install uninstall deb

deps:
	@./scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release $(CMAKE_LAUNCHER) >/dev/null
	@cmake --build $(BUILD_DIR) -j$(JOBS)

run: build
	@./scripts/prepare-run.sh
	cd $(BUILD_DIR)/run && ../corvala

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix "$(PREFIX)"

uninstall:
	@DESTDIR="$(DESTDIR)" ./scripts/uninstall.sh $(BUILD_DIR) "$(PREFIX)"

# A Debian package (build/package/corvala_<version>_<arch>.deb), installed with
# apt-get install ./build/package/corvala_*.deb
deb: build
	cd $(BUILD_DIR) && cpack -G DEB

bench: build
	@for b in $(BUILD_DIR)/bench/*_bench; do echo "== $$b"; $$b; done

# Regenerate the committed data files (fonts from free TrueType faces, pictures
# drawn by our own raster unit); the results are committed.
fonts: build
	@./scripts/regen-fonts.sh

art: build
	@./scripts/regen-art.sh

clean:
	rm -rf $(BUILD_DIR)
