# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands of the README: `make run` and `make test`.
BUILD ?= build
JOBS  ?= $(shell nproc)

# Debian 12 packages the build, the program and the tests need (README lists why).
PACKAGES = cmake make g++ lld pkg-config \
  qt6-base-dev qt6-base-private-dev libgl-dev \
  libsdl2-mixer-dev libfluidsynth-dev timgm6mb-soundfont \
  libavformat-dev libavcodec-dev libavutil-dev libswscale-dev \
  fonts-ipafont-gothic kanjidic edict mecab mecab-ipadic-utf8
# The installed program's tests: a DESTDIR install run under Xvfb, the desktop files' validators.
PACKAGES += xvfb xauth xdotool appstream desktop-file-utils
# make deb and make test-install only.
DEB_PACKAGES = dpkg-dev lintian
PREFIX ?= /usr/local
# The writing pad: the zinnia recogniser, its Japanese model and the template fonts.
PACKAGES += libzinnia-dev tegaki-zinnia-japanese fonts-ipafont-mincho fonts-vlgothic
# The kanji notebook: its SQLite driver; the tests render its PDF pages.
PACKAGES += libqt6sql6-sqlite poppler-utils
# Furigana and the quiz's answers: numbered strokes of each kanji.
PACKAGES += fonts-kanjistrokeorders
# Writing practice: the build fetches KanjiVG's strokes from npm and compiles them. Debian's
# nodejs and npm, unless an npm is there already (another Node.js build carries its own).
NPM_PACKAGES = nodejs npm
# Wayland: Qt's plugin, and the headless compositor and the picture tools the screen tests use.
PACKAGES += qt6-wayland weston imagemagick

.PHONY: run test deps configure build test-sanitize assets-sheet measure fuzz clean \
  install deb test-install

run: build
	cd $(BUILD)/program && ./mojimaru

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
	  ctest --output-on-failure -j $(JOBS)

# Installs only what is missing, so a prepared machine starts at once.
deps:
	@$(MAKE) --no-print-directory install-missing WANT="$(PACKAGES)"
	@command -v npm > /dev/null || $(MAKE) --no-print-directory install-missing WANT="$(NPM_PACKAGES)"

install-missing:
	@missing=$$(for p in $(WANT); do \
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

# Into PREFIX (default /usr/local), or a staging folder with DESTDIR=...
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix $(PREFIX)

# build/mojimaru_<version>_<arch>.deb through CPack, then lintian on it; the warnings we accept
# are listed with their reasons in packaging/lintian-accepted.
deb: build
	@$(MAKE) --no-print-directory install-missing WANT="$(DEB_PACKAGES)"
	rm -f $(BUILD)/mojimaru_*.deb
	cd $(BUILD) && cpack -G DEB > cpack.log || { cat cpack.log; exit 1; }
	lintian --fail-on error --suppress-tags-from-file packaging/lintian-accepted $(BUILD)/mojimaru_*.deb

# The package installed with apt-get, started as an ordinary user, purged (needs root).
test-install: deb
	packaging/test-install.sh $(BUILD)

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
# The release's own clang (14 on Debian 12, 19 on Debian 13) with its libFuzzer runtime.
fuzz: deps
	@$(MAKE) --no-print-directory install-missing WANT=clang
	@$(MAKE) --no-print-directory install-missing \
	  WANT="libclang-rt-$$(clang -dumpversion | cut -d. -f1)-dev"
	fuzz/run.sh

clean:
	rm -rf $(BUILD) build-sanitize build-fuzz
