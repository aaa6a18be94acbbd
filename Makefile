# Two entry points: `make run` starts the program, `make test` builds and
# runs the whole test suite. Both install missing Debian packages first
# when run as root.
BUILD    ?= build
JOBS     ?= $(shell nproc)
PACKAGES := cmake g++ make pkg-config qt6-base-dev qt6-multimedia-dev libqcustomplot-dev \
            libgtest-dev libgmock-dev libbenchmark-dev libboost-math-dev libgl-dev libfftw3-dev \
            libmuparser-dev

.PHONY: all deps configure build run test bench sanitize fuzz clean

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    echo "Installing:$$missing"; \
	    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	  else \
	    echo "Missing Debian packages (install them as root):$$missing"; exit 1; \
	  fi; \
	fi

configure: deps
	@test -f $(BUILD)/CMakeCache.txt || cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/velmora

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) --timeout 600

bench: build
	./$(BUILD)/bench/velmora_bench

sanitize: deps
	@test -f build-sanitize/CMakeCache.txt || cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON
	cmake --build build-sanitize -j $(JOBS)
	cd build-sanitize && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ctest --output-on-failure -j $(JOBS) --timeout 1800

# Each fuzz target runs for FUZZ_SECONDS (60 by default) from its seed corpus.
FUZZ_SECONDS ?= 60
fuzz: deps
	@command -v clang++ >/dev/null || { echo "clang++ is needed (Debian clang, libclang-rt-14-dev)"; exit 1; }
	@test -f build-fuzz/CMakeCache.txt || CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_FUZZ=ON -DVELMORA_UI=OFF
	cmake --build build-fuzz -j $(JOBS)
	@for target in build-fuzz/fuzz/*_fuzz; do \
	  name=$$(basename $$target _fuzz); mkdir -p build-fuzz/corpus/$$name; \
	  echo "== $$name"; \
	  $$target -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 build-fuzz/corpus/$$name fuzz/corpus/$$name || exit 1; \
	done

clean:
	rm -rf $(BUILD) build-sanitize build-fuzz
