# The commands of the README: `make demo`, `make test`, `make deb` and `make windows`.
# Each installs the Debian packages that are missing (when run as root), configures and builds.

BUILD     ?= build
FUZZ_BUILD ?= build-fuzz
WINDOWS_BUILD ?= build-windows
JOBS      ?= $(shell nproc)
PACKAGES  := g++ cmake ninja-build make python3 libgtest-dev libgmock-dev libbenchmark-dev \
             zlib1g-dev qpdf poppler-utils python3-pikepdf python3-pil python3-fonttools fonts-liberation fonts-dejavu-core colord-data locales \
             qt6-base-dev cups cups-client cups-daemon cups-filters printer-driver-cups-pdf \
             libcups2-dev qt6-translations-l10n dpkg-dev file \
             xvfb x11-utils imagemagick zbar-tools xdotool mupdf-tools
# The Windows programs: MinGW-w64 (the -posix compilers), GoogleTest's sources, zlib for the tests,
# wine to run them, NSIS for the installer; the window's and the printing test under wine use the
# virtual display, xdotool, imagemagick and cups-pdf of PACKAGES.
WINDOWS_PACKAGES := g++-mingw-w64-x86-64-posix googletest libz-mingw-w64-dev wine wine64 nsis

# A compiler cache when the machine has one: rebuilds of unchanged sources are taken from it.
LAUNCHER  := $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1

# The peers the benchmarks compare with (and strace for the report runs): `make bench` alone installs them.
BENCH_PACKAGES := libdeflate-dev libhpdf-dev libcairo2-dev strace

.PHONY: demo test deps build clean deb deb-check fuzz fuzz-build fuzz-corpus windows windows-deps bench \
        windows-check

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	$(MAKE) --no-print-directory deb-check
	$(MAKE) --no-print-directory fuzz-corpus
	$(MAKE) --no-print-directory windows-check

# The Debian package, kvvelm_<version>_<arch>.deb in the build folder.
deb: build
	cd $(BUILD) && cpack -G DEB

# As root: installs the package and runs the installed programs as an ordinary user.
deb-check: deb
	./packaging/check-deb.sh $(BUILD)

demo: build
	./tools/demo.sh $(BUILD)

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKVVELM_WERROR=ON $(LAUNCHER)
	cmake --build $(BUILD) -j $(JOBS)

# Folivo and the reports against their peers (bench/run.sh); never part of `make test`.
bench: deps
	@$(MAKE) --no-print-directory deps PACKAGES="$(BENCH_PACKAGES)"
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKVVELM_WERROR=ON -DKVVELM_BENCH=ON $(LAUNCHER)
	cmake --build $(BUILD) -j $(JOBS)
	./bench/run.sh $(BUILD)

windows: windows-deps
	cmake -S . -B $(WINDOWS_BUILD) -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	    -DCMAKE_BUILD_TYPE=Release -DKVVELM_WERROR=ON -DKVVELM_BENCH=OFF $(LAUNCHER)
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)

# The Windows programs under wine against the Linux build, in one prefix made in
# $(WINDOWS_BUILD)/wine-run: the unit tests, the reports, the installer, the window and printing
# through wine's spooler (tests/wine/run.sh).
windows-check: build windows
	./tests/wine/run.sh $(BUILD) $(WINDOWS_BUILD)

windows-deps:
	@$(MAKE) --no-print-directory deps PACKAGES="$(WINDOWS_PACKAGES)"

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null \
	    | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    echo "Installing:" $$missing; \
	    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing; \
	  else \
	    echo "Missing Debian packages (run make as root, or install them):" $$missing; exit 1; \
	  fi; \
	fi

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD) $(WINDOWS_BUILD) demo

# The fuzz targets (fuzz/): clang with libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer.
fuzz-build:
	@$(MAKE) --no-print-directory deps PACKAGES="clang libclang-rt-14-dev cmake ninja-build libgtest-dev"
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DKVVELM_FUZZ=ON -DKVVELM_QT=OFF $(LAUNCHER)
	cmake --build $(FUZZ_BUILD) -j $(JOBS)

# Every target once over its corpus and regression inputs.
fuzz-corpus: fuzz-build
	./fuzz/run.sh $(FUZZ_BUILD)

# Fuzzes every target for SECONDS (default 60), two at a time.
SECONDS ?= 60
fuzz: fuzz-build
	./fuzz/run.sh $(FUZZ_BUILD) $(SECONDS)
