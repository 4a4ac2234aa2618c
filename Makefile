# The two commands of the README: `make run` and `make test`.
BUILD ?= build
JOBS  ?= $(shell nproc)

# Debian 12 packages the build, the program and the tests need (README lists why).
PACKAGES = cmake make g++ pkg-config \
  qt6-base-dev qt6-base-private-dev libgl-dev \
  libsdl2-mixer-dev timgm6mb-soundfont \
  libavformat-dev libavcodec-dev libavutil-dev libswscale-dev \
  fonts-ipafont-gothic fonts-kanjistrokeorders kanjidic mecab mecab-ipadic-utf8

.PHONY: run test deps configure build test-sanitize assets-sheet measure fuzz clean

run: build
	cd $(BUILD)/program && ./mojimaru

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
	  ctest --output-on-failure -j $(JOBS)

# Installs only what is missing, so a prepared machine starts at once.
deps:
	@missing=$$(for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; \
	done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing: $$missing"; \
	  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# The whole test suite under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DMOJI_SANITIZE=ON > /dev/null
	cmake --build build-sanitize -j $(JOBS)
	cd build-sanitize && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
	  ctest --output-on-failure -j $(JOBS)

# One picture of every generated picture, animation, sound and tune, for review.
assets-sheet: build
	cmake --build $(BUILD) --target assets_sheet

# Start-up time, memory and idle CPU of the menu under Xvfb, beside a bare Qt window.
measure: build
	tools/measure/measure.sh $(BUILD)

# Each file reader under libFuzzer for FUZZ_SECONDS seconds (default 60).
fuzz: deps
	@dpkg-query -W -f='$${Status}\n' clang libclang-rt-14-dev 2>/dev/null | grep -c 'install ok installed' | grep -q 2 || \
	  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq clang libclang-rt-14-dev
	fuzz/run.sh

clean:
	rm -rf $(BUILD) build-sanitize build-fuzz
