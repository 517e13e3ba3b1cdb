# Stillmark: `make run` and `make test` do all the set-up on a fresh Debian/Ubuntu machine.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
# The developers' builds (build, test, asan, bench and so CI) treat warnings as errors: the presets
# "dev" and "asan" of CMakePresets.json. A plain cmake configure and the package build do not.

.PHONY: all deps configure build run test soak asan bench install clean format pot deb-tools deb deb-check \
        deb-cleanroom windows-deps windows-configure windows windows-installer test-windows

all: build

deps:
	@./scripts/install-deps.sh

# Builds with what is installed; "make deps" (or run, test) installs what is missing.
configure:
	@cmake --preset dev -B $(BUILD) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: deps
	@$(MAKE) --no-print-directory build
	@./scripts/run.sh $(BUILD)

test: deps
	@$(MAKE) --no-print-directory build
	@./scripts/with-desktop.sh ctest --test-dir $(BUILD) --output-on-failure -LE soak -j 2

soak: deps
	@$(MAKE) --no-print-directory build
	@./scripts/with-desktop.sh ctest --test-dir $(BUILD) --output-on-failure -L soak

# The package test builds its own copy without the sanitizers, so only "make test" runs it.
asan: deps
	@cmake --preset asan -B $(BUILD)-asan >/dev/null
	@cmake --build $(BUILD)-asan -j $(JOBS)
	@ASAN_OPTIONS=detect_leaks=0 ./scripts/with-desktop.sh ctest --test-dir $(BUILD)-asan --output-on-failure -LE 'soak|package'

bench: deps
	@$(MAKE) --no-print-directory build
	@./scripts/with-desktop.sh ./scripts/bench.sh $(BUILD)

install: build
	@cmake --install $(BUILD) $(if $(PREFIX),--prefix $(PREFIX))

# The Debian package, built with Debian's tools from a copy of the tree: $(BUILD)/stillmark_*.deb.
deb-tools:
	@./scripts/install-deb-tools.sh

deb: deb-tools
	@JOBS=$(JOBS) ./scripts/build-deb.sh $(BUILD)
	@echo "lintian:"
	@lintian --info --display-info --fail-on error,warning $(BUILD)/stillmark_*.deb && echo "lintian: no error, no warning"

# Installs the package with apt-get, checks it, runs its autopkgtest, removes and purges it again
# (needs root or sudo).
deb-check: deps deb
	@./scripts/install-deb-tools.sh autopkgtest
	@./tests/package/deb_round_trip.sh $(BUILD)

# The package built as a distribution's build daemon does: in a fresh minimal Debian 12 root with only
# what debian/control declares (needs root or sudo and Debian's mirror; minutes). Not part of "make test".
deb-cleanroom:
	@./scripts/install-deb-tools.sh cleanroom
	@JOBS=$(JOBS) ./scripts/build-deb-cleanroom.sh $(BUILD)

clean:
	@rm -rf $(BUILD) $(BUILD)-asan $(WINDOWS_BUILD)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

# The translators' template po/stillmark.pot from the sources; MERGE=1 also updates every catalog.
pot: deps
	@./scripts/make-pot.sh $(if $(MERGE),--merge)

# Windows, cross-built with MinGW-w64: the compiler, Wine and NSIS from Debian, then wxMSW and GoogleTest
# built once into ~/.cache/stillmark (15 to 25 minutes the first time). Warnings stop these builds as
# they stop the Linux ones; a plain cmake configure with the toolchain file only warns.
WINDOWS_BUILD ?= build-windows
WINDOWS_FLAGS ?= -DSTILLMARK_WERROR=ON

windows-deps:
	@./scripts/install-windows-deps.sh
	@./scripts/build-windows-wx.sh

windows-configure: windows-deps
	@cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/MinGW.cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  $(WINDOWS_FLAGS) $(CMAKE_FLAGS) >/dev/null

# The program: $(WINDOWS_BUILD)/stillmark.exe, one static file with its icon, manifest and resources.
windows: windows-configure
	@cmake --build $(WINDOWS_BUILD) -j $(JOBS) --target stillmark

# The setup: $(WINDOWS_BUILD)/Stillmark-<version>-setup.exe (NSIS), the program and its catalogs, per user.
windows-installer: windows-configure
	@cmake --build $(WINDOWS_BUILD) -j $(JOBS) --target windows_installer

# The tests cross-built and run through Wine in a private headless prefix.
test-windows: windows-configure
	@cmake --build $(WINDOWS_BUILD) -j $(JOBS)
	@./scripts/with-wine.sh ctest --test-dir $(WINDOWS_BUILD) --output-on-failure -j 2
