# The two commands of the README: `make demo` and `make test`.
# Both install the Debian packages that are missing (when run as root), configure and build.

BUILD     ?= build
JOBS      ?= $(shell nproc)
PACKAGES  := g++ cmake ninja-build make python3 libgtest-dev libgmock-dev libbenchmark-dev \
             zlib1g-dev qpdf poppler-utils python3-pikepdf python3-fonttools fonts-liberation locales \
             qt6-base-dev cups cups-client cups-daemon cups-filters printer-driver-cups-pdf \
             libcups2-dev \
             xvfb x11-utils imagemagick zbar-tools

# A compiler cache when the machine has one: rebuilds of unchanged sources are taken from it.
LAUNCHER  := $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1

.PHONY: demo test deps build clean

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

demo: build
	./tools/demo.sh $(BUILD)

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKVVELM_WERROR=ON $(LAUNCHER)
	cmake --build $(BUILD) -j $(JOBS)

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
	rm -rf $(BUILD) demo
