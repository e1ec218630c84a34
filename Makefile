# Front door: `make run` starts the timer, `make test` runs the whole test suite. Both install
# what a fresh Debian 12 machine is missing first.
BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

# What building and running need; the test, sanitizer and fuzzing tools come with the commands
# that use them.
PACKAGES := cmake ninja-build g++ make pkg-config qt6-base-dev libgl-dev libx11-dev \
            libical-dev libglib2.0-dev libfontconfig-dev libcanberra-dev libasound2-dev libicu-dev \
            qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-dejavu-core fonts-liberation2
TEST_PACKAGES := libgtest-dev libgmock-dev libbenchmark-dev clang-format \
            xvfb xauth x11-utils dbus-daemon desktop-file-utils appstream dpkg-dev file faketime \
            xdotool openbox python3-dbus python3-gi at-spi2-core python3-pyatspi
FUZZ_PACKAGES := clang libclang-rt-14-dev

SUDO := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)

.PHONY: run test check build configure deps test-deps fuzz-deps bench fuzz sanitize package screenshots clean format format-check graph-check

run: build
	./$(BUILD_DIR)/bin/tempiro

test: test-deps build format-check graph-check
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)
	$(MAKE) --no-print-directory sanitize
	$(MAKE) --no-print-directory fuzz

# The quick loop: build, then every test but the slow ones (the real program under a virtual X
# server, the five-hour soak, packaging), which `make test` runs.
check: test-deps build format-check graph-check
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS) --label-exclude slow

# The libraries link downward only: fails on a circle among them.
graph-check: configure
	tools/check-library-graph.sh $(BUILD_DIR)

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
SANITIZE_DIR ?= build-sanitize
SANITIZE_FLAGS := -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
sanitize: test-deps
	cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	# Left out: the programs under libfaketime, which cannot be preloaded ahead of the sanitizers'
	# runtime, and whose memory figures would be the sanitizers' own; and the run under an
	# address-space limit, which the sanitizers' shadow memory alone exceeds.
	cd $(SANITIZE_DIR) && ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS) \
	  --exclude-regex '^packaging\.|^FakeClockProgramTest\.|^app\.sleep_and_clock$$|^app\.companion_beyond_memory$$'

# A bounded libFuzzer run of each target over its corpus (FUZZ_SECONDS each).
fuzz: SHELL := /bin/bash
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := fuzz_parse fuzz_settings fuzz_handoff
FUZZ_FLAGS := -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -g -O1
fuzz: fuzz-deps
	cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
	  -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="$(FUZZ_FLAGS)" \
	  -DTEMPIRO_BUILD_TESTS=OFF -DTEMPIRO_FUZZ=ON
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target $(FUZZ_TARGETS)
	for target in $(FUZZ_TARGETS); do \
	  corpus=$${target#fuzz_}; rm -rf $(FUZZ_DIR)/corpus/$$corpus && mkdir -p $(FUZZ_DIR)/corpus/$$corpus && \
	  ./$(FUZZ_DIR)/bin/$$target -max_total_time=$(FUZZ_SECONDS) -timeout=10 -print_final_stats=0 \
	    -artifact_prefix=$(FUZZ_DIR)/$$target- $(FUZZ_DIR)/corpus/$$corpus fuzz/corpus/$$corpus \
	    2>&1 | grep -E '^(Done|==|SUMMARY|INFO: seed)' ; \
	  test $${PIPESTATUS[0]} -eq 0 || exit 1; \
	done

# A Debian package of the programs and their desktop files: build/tempiro_<version>_<arch>.deb.
package: test-deps build
	cd $(BUILD_DIR) && cpack -G DEB

# The README's screenshots, taken of the real program under xvfb with a window manager.
screenshots: test-deps build
	@for p in imagemagick; do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | \
	  grep -q '^install ok installed' || $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -q $$p; done
	docs/take-screenshots.sh

bench: test-deps build
	./$(BUILD_DIR)/bin/tempiro_bench
	bench/desktop.sh $(BUILD_DIR)/bin

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja

# Installs only what is missing, so a prepared machine goes straight to the build.
install-missing = @missing=$$(for p in $(1); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update -q && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -q $$missing; \
	fi
deps:
	$(call install-missing,$(PACKAGES))
test-deps: deps
	$(call install-missing,$(TEST_PACKAGES))
fuzz-deps: test-deps
	$(call install-missing,$(FUZZ_PACKAGES))

SOURCES = $(shell find src tests bench companion fuzz -name '*.cpp' -o -name '*.h')
format: test-deps
	clang-format -i $(SOURCES)

# Fails, naming the files, where the code is not as clang-format would write it.
format-check: test-deps
	@clang-format --dry-run --Werror $(SOURCES) && echo "formatting ok"

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR)
