# The two everyday commands: `make run` and `make test`. Both install what is missing first.
BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS ?= 2
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
# Where make install puts the game: no root needed by default; PREFIX=/usr/local as root.
PREFIX ?= $(HOME)/.local

.PHONY: all deps configure build run test install uninstall package check-package check-asan fuzz \
	soak bench balance clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	$(BUILD)/quorrel/quorrel

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

# The game, its tool, data, desktop entry, icons, metadata and manual pages under PREFIX; the
# record kept in PREFIX/share/quorrel lets make uninstall remove exactly that.
install: build
	scripts/install-game $(BUILD) $(PREFIX)

uninstall:
	scripts/uninstall-game $(PREFIX)

# A Debian package of the same files under /usr, in $(BUILD)/package/; check-package also
# compares its files with an install and runs lintian.
package: build
	cd $(BUILD) && cpack -G DEB

check-package: build
	scripts/check-package $(BUILD)

# The bot's sample over all the shipped levels plays long climbs; under the sanitizers it would
# take a quarter of an hour, and the other play tests take the bot through the same code.
ASAN_SKIP := TheBotWinsEveryShippedLevel

check-asan: deps
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DQUORREL_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN_BUILD) -j$(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j$(JOBS) -E $(ASAN_SKIP)

# Every reader's harness over its corpus, then FUZZ_SECONDS of new inputs each (0: the corpus
# only); any finding fails. The level and demo harnesses play in the game `build` makes.
fuzz: build
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DQUORREL_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_BUILD) -j$(JOBS)
	QUORREL_FUZZ_GAME_DIR=$(abspath $(BUILD))/quorrel scripts/run-fuzz $(FUZZ_BUILD) $(FUZZ_SECONDS)

# An hour of game time with a random hand, under the sanitizers.
soak: deps
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DQUORREL_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN_BUILD) -j$(JOBS)
	scripts/soak $(ASAN_BUILD)/quorrel 60

# The play bot over every level, mode and 20 seeds: the table levels are tuned against.
balance: build
	scripts/balance $(BUILD)/quorrel 20 data/balance.md

bench: build
	@for b in $(BUILD)/bench/*; do [ -x "$$b" ] && "$$b"; done

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
