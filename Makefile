# The two commands of the README: `make run` and `make test`.
# Both install whatever Debian packages are missing first (scripts/install-deps).

BUILD      ?= build
BUILD_SAN  ?= build-sanitize
BUILD_WIN  ?= build-windows
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_ARGS ?=
PREFIX     ?= /usr/local
# -noreset: Xvfb would otherwise reset whenever its last client leaves, and a
# test that connects during the reset fails to open the display.
XVFB       := xvfb-run -a -s "-screen 0 1280x1024x24 -noreset"
# Tall enough for the window at 200% with Windows's frame around it.
XVFB_WINDOWS := xvfb-run -a -s "-screen 0 1920x1440x24 -noreset"
# The benchmarks measure the desktop scaled to 200% too: a screen that takes
# the 900x1200 window.
XVFB_BENCH := xvfb-run -a -s "-screen 0 3840x2160x24 -noreset"
# Python with Pillow, and the end-to-end harness (tests/e2e/jogador) importable.
E2E_PYTHON := env PYTHONPATH=$(CURDIR)/tests/e2e:$(CURDIR)/tools /usr/bin/python3 -B

# The release files carry the last commit's time, not the build's, so that one
# commit gives the same bytes wherever and whenever it is built; without git,
# the newest changelog entry's.
ifeq ($(SOURCE_DATE_EPOCH),)
SOURCE_DATE_EPOCH := $(shell test -e .git && git log -1 --format=%ct 2>/dev/null || \
	dpkg-parsechangelog -l packaging/changelog -STimestamp 2>/dev/null)
endif
ifneq ($(SOURCE_DATE_EPOCH),)
export SOURCE_DATE_EPOCH
endif

# CI treats warnings in our own code as errors.
ifeq ($(CI),true)
CMAKE_ARGS += -DTREVALIA_WERROR=ON
endif

.PHONY: all build deps run test test-sanitize test-load screenshot bench-lag bench-idle bench-soak valgrind windows test-windows test-debian13 test-debian-testing clean

all: build

build:
	cmake -S . -B $(BUILD) $(CMAKE_ARGS)
	cmake --build $(BUILD) -j $(JOBS)

deps:
	./scripts/install-deps

# The game reads imagens/ from its working directory, so it starts from build/.
run:
	$(MAKE) deps
	$(MAKE) build
	cd $(BUILD) && ./trevalia

# Every test, under a virtual display: unit tests and the end-to-end games, then
# both again under AddressSanitizer and UndefinedBehaviorSanitizer.
test:
	$(MAKE) deps
	$(MAKE) build
	cd $(BUILD) && $(XVFB) ctest --output-on-failure
	$(MAKE) test-sanitize

test-sanitize:
	cmake -S . -B $(BUILD_SAN) -DTREVALIA_SANITIZE=ON $(CMAKE_ARGS)
	cmake --build $(BUILD_SAN) -j $(JOBS)
	cd $(BUILD_SAN) && $(XVFB) ctest --output-on-failure -L 'unit|e2e'

# The end-to-end scenarios again, beside two CPU-bound busy loops of our own
# that the run starts and always ends: a scenario that waits for a time rather
# than for what it can see fails here first.
test-load:
	$(MAKE) deps
	$(MAKE) build
	cd $(BUILD) && $(E2E_PYTHON) -m jogador.sob_carga \
		$(XVFB) ctest --output-on-failure -L e2e

# The README's screenshot, docs/screenshot.png: the real game under a virtual
# display with the clock frozen, a few cards played.
screenshot:
	$(MAKE) deps
	$(MAKE) build
	$(XVFB) $(E2E_PYTHON) -m jogador.readme_screenshot --jogo $(BUILD)/trevalia \
		--imagens $(BUILD)/imagens --monte $(BUILD)/tests/e2e/e2e_imprime_monte \
		--saida docs/screenshot.png

# Input lag under a simulated 60 Hz display, beside a bare SFML loop (README:
# Performance). A measurement, not a test: it takes about a minute and its
# figures depend on the machine.
bench-lag:
	$(MAKE) deps
	$(MAKE) build
	$(XVFB_BENCH) $(E2E_PYTHON) bench/atraso_entrada.py --jogo $(BUILD)/trevalia \
		--laco $(BUILD)/bench/bench_laco_simples --imagens $(BUILD)/imagens \
		--tela $(BUILD)/tests/e2e/libe2e_tela_60hz.so \
		--ponteiro $(BUILD)/tests/e2e/e2e_ponteiro

# What the game costs while the player thinks, beside the same bare loop: its
# wake-ups and CPU while waiting, its frames and CPU while the pointer only
# wanders, and its frames, CPU and lag while dragging. About two minutes.
bench-idle:
	$(MAKE) deps
	$(MAKE) build
	$(XVFB_BENCH) $(E2E_PYTHON) bench/custo_ocioso.py --jogo $(BUILD)/trevalia \
		--laco $(BUILD)/bench/bench_laco_simples --imagens $(BUILD)/imagens \
		--monte $(BUILD)/tests/e2e/e2e_imprime_monte \
		--tela $(BUILD)/tests/e2e/libe2e_tela_60hz.so \
		--ponteiro $(BUILD)/tests/e2e/e2e_ponteiro

# Benchmarks, not tests (the README has their figures). Resident memory over
# 1000 new deals and 2000 drags of the game's own table, which must stay flat:
bench-soak:
	$(MAKE) deps
	$(MAKE) build
	cd $(BUILD) && $(XVFB) ./bench/trevalia_soak

# One scripted session of the real game under valgrind's memcheck, with Mesa's
# and X's own errors suppressed: fails on any error with a frame in the game.
valgrind:
	$(MAKE) deps
	$(MAKE) build
	@command -v valgrind >/dev/null || { echo "make valgrind needs valgrind: apt-get install valgrind" >&2; exit 1; }
	$(XVFB) $(E2E_PYTHON) bench/valgrind_sessao.py --jogo $(BUILD)/trevalia \
		--imagens $(BUILD)/imagens --monte $(BUILD)/tests/e2e/e2e_imprime_monte \
		--xml $(BUILD)/valgrind.xml

# `make test` again in a pristine root of Debian 13 (SFML 2.6) or of Debian
# testing (SFML 3), as a newcomer there would run it (scripts/test-debian). As
# root; the roots are cached in /var/cache/trevalia.
test-debian13:
	./scripts/test-debian trixie

test-debian-testing:
	./scripts/test-debian testing

.PHONY: install uninstall package

# Installs the game under PREFIX, into DESTDIR if given; for a system folder:
# `make`, then `sudo make install`. The list of installed files is kept aside:
# the tests install too, and would overwrite CMake's own list.
install:
	$(MAKE) build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)" --strip
	cp $(BUILD)/install_manifest.txt $(BUILD)/instalados.txt

# Removes what the last `make install` put in place (give it the same DESTDIR).
uninstall:
	DESTDIR="$(DESTDIR)" cmake -DMANIFESTO=$(CURDIR)/$(BUILD)/instalados.txt -P cmake/desinstalar.cmake

# The Debian package, $(BUILD)/trevalia_<version>_<arch>.deb, and its SHA256SUMS.
# CPack gives the package's folders, and its own members, the modes the umask
# leaves: under umask 077, folders no one but root could enter.
package:
	$(MAKE) deps
	$(MAKE) build
	rm -f $(BUILD)/trevalia_*.deb
	cd $(BUILD) && umask 022 && cpack && sha256sum trevalia_*.deb >SHA256SUMS

# The Windows zip, $(BUILD_WIN)/Trevalia-<version>-windows-x64.zip, and the setup
# program, $(BUILD_WIN)/Trevalia-<version>-windows-x64-setup.exe, cross-built
# with MinGW-w64. FreeType and SFML for Windows are built from Debian's source
# packages the first time only; later runs rebuild just the game. Both files'
# checksums go to $(BUILD_WIN)/SHA256SUMS.
WINDOWS_ARGS = -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake \
	-DTREVALIA_WINDOWS_LIBS=$(abspath $(BUILD_WIN))/libs -DTREVALIA_ZIP_DIR=$(abspath $(BUILD_WIN))

windows:
	./scripts/install-deps windows
	JOBS=$(JOBS) ./scripts/windows/build-libraries $(BUILD_WIN)
	cmake -S . -B $(BUILD_WIN)/jogo $(WINDOWS_ARGS) $(CMAKE_ARGS)
	rm -f $(BUILD_WIN)/Trevalia-*-windows-x64*
	cmake --build $(BUILD_WIN)/jogo -j $(JOBS) --target trevalia_zip trevalia_instalador
	cd $(BUILD_WIN) && sha256sum Trevalia-*-windows-x64* >SHA256SUMS

# The Windows build under Wine, on a virtual display: its unit tests, then the
# zip's contents and the end-to-end games played with the exe from the zip.
test-windows: windows
	cmake --build $(BUILD_WIN)/jogo -j $(JOBS)
	$(XVFB_WINDOWS) ./scripts/windows/test $(BUILD_WIN) $(BUILD_WIN)/jogo

# Builds the release files twice, from two copies of the commit checked out in
# two folders, at other clocks, time zones, umasks and locales, and compares
# them; diffoscope shows where they differ. The .deb (a few minutes), or with
# -windows the zip and the setup program, sharing the Windows libraries.
.PHONY: check-reproducible check-reproducible-windows
check-reproducible:
	./scripts/install-deps reproducible
	./scripts/check-reproducible package

check-reproducible-windows:
	./scripts/install-deps windows reproducible
	./scripts/check-reproducible windows

clean:
	rm -rf $(BUILD) $(BUILD_SAN) $(BUILD_WIN)
