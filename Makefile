# The commands of the README: `make demo`, `make test` and `make windows`.
# Each installs the Debian packages that are missing (when run as root), configures and builds.

BUILD     ?= build
WINDOWS_BUILD ?= build-windows
JOBS      ?= $(shell nproc)
PACKAGES  := g++ cmake ninja-build make python3 libgtest-dev libgmock-dev libbenchmark-dev \
             zlib1g-dev qpdf poppler-utils python3-pikepdf python3-fonttools fonts-liberation locales \
             qt6-base-dev cups cups-client cups-daemon cups-filters printer-driver-cups-pdf \
             libcups2-dev \
             xvfb x11-utils imagemagick zbar-tools
# The Windows programs: MinGW-w64 (the -posix compilers), GoogleTest's sources, zlib for the tests,
# wine to run them, NSIS for the installer.
WINDOWS_PACKAGES := g++-mingw-w64-x86-64-posix googletest libz-mingw-w64-dev wine wine64 nsis

.PHONY: demo test deps build clean windows windows-deps

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

demo: build
	./tools/demo.sh $(BUILD)

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKVVELM_WERROR=ON
	cmake --build $(BUILD) -j $(JOBS)

windows: windows-deps
	cmake -S . -B $(WINDOWS_BUILD) -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	    -DCMAKE_BUILD_TYPE=Release -DKVVELM_WERROR=ON -DKVVELM_BENCH=OFF
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)

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
	rm -rf $(BUILD) $(WINDOWS_BUILD) demo
