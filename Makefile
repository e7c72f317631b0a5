# Zelkora: set-up, build, run and test in one place.
#   make run         install what is missing, build, start the game
#   make test        install what is missing, build, run every test headless
#   make bench       benchmarks (Google Benchmark)
#   make screenshot  offscreen pictures of the window in build/screens
#   make fuzz        fuzz the record reader (clang, libFuzzer; not part of test)
#   make install     install under PREFIX (default /usr/local), DESTDIR honoured
#   make package     a Debian package zelkora_<version>_<arch>.deb in this folder
#   make sanitize    build and run every test under ASan + UBSan (own build folder)

BUILD     ?= build
PREFIX    ?= /usr/local
DESTDIR   ?=
FUZZ_TIME ?= 60
PACKAGES  := cmake ninja-build g++ pkg-config qt6-base-dev qt6-charts-dev libgl-dev libopenal-dev libsndfile1-dev \
             libgtest-dev libgmock-dev libbenchmark-dev fonts-ipafont-mincho qt6-translations-l10n \
             qt6-tools-dev qt6-l10n-tools qt6-speech-dev qt6-declarative-dev desktop-file-utils appstream dpkg-dev xvfb openbox x11-utils
HEADLESS  := QT_QPA_PLATFORM=offscreen ALSOFT_DRIVERS=null
SANITIZERS := ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan-suppressions.txt UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

.PHONY: all deps configure build run test sanitize bench screenshot fuzz install package clean

all: build

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    echo "Installing:$$missing"; \
	    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing; \
	  else \
	    echo "Missing packages. Run:"; echo "  sudo apt-get install -y$$missing"; exit 1; \
	  fi; \
	fi

configure: deps
	@test -f $(BUILD)/build.ninja || cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD)

run: build
	cd $(BUILD)/bin && ./zelkora

test: build
	cd $(BUILD) && $(HEADLESS) ctest --output-on-failure -j2

# -O1 keeps the sanitized suite quick to build and to run.
sanitize: deps
	@test -f $(BUILD)-sanitize/build.ninja || cmake -S . -B $(BUILD)-sanitize -G Ninja -DZELKORA_SANITIZE=ON \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g" "-DCMAKE_C_FLAGS_RELWITHDEBINFO=-O1 -g"
	cmake --build $(BUILD)-sanitize
	cd $(BUILD)-sanitize && $(HEADLESS) $(SANITIZERS) ctest --output-on-failure -j2

bench: build
	$(BUILD)/bin/zelkora_bench

screenshot: build
	mkdir -p $(BUILD)/screens
	cd $(BUILD)/bin && $(HEADLESS) ./zelkora --screenshots ../screens

fuzz: deps
	@command -v clang++ >/dev/null || { echo "clang++ is needed for fuzzing"; exit 1; }
	@test -f $(BUILD)-fuzz/build.ninja || CC=clang CXX=clang++ cmake -S . -B $(BUILD)-fuzz -G Ninja -DZELKORA_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD)-fuzz --target fuzz_record_reader
	mkdir -p $(BUILD)-fuzz/corpus
	$(BUILD)-fuzz/bin/fuzz_record_reader -max_total_time=$(FUZZ_TIME) $(BUILD)-fuzz/corpus

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

package: build
	cd $(BUILD) && cpack -G DEB
	mv $(BUILD)/zelkora_*.deb .

clean:
	rm -rf $(BUILD) $(BUILD)-fuzz $(BUILD)-sanitize
