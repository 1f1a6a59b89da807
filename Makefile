# Ledgerly: `make` builds everything, `make test` runs every test, `make run`
# starts the program under Wine. Missing Debian packages are installed first.

BUILD   := build
JOBS    ?= $(shell nproc 2>/dev/null || echo 2)
CONFIG   = cmake -S . -B $(BUILD)/$(1) -DCMAKE_BUILD_TYPE=$(2) $(3) >/dev/null
COMPILE  = cmake --build $(BUILD)/$(1) -j $(JOBS)

.PHONY: all deps-build deps-test deps-run native fuzz bench-build i686 x86_64 \
        test run pictures screenshot bench fuzz-long clean

all: deps-build native fuzz bench-build i686 x86_64

deps-build:
	@scripts/deps.sh build
deps-test:
	@scripts/deps.sh test
deps-run:
	@scripts/deps.sh run

native:
	@$(call CONFIG,native,Debug,)
	@$(call COMPILE,native)
fuzz:
	@$(call CONFIG,fuzz,RelWithDebInfo,-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DLEDGERLY_FUZZ=ON)
	@$(call COMPILE,fuzz)
bench-build:
	@$(call CONFIG,bench,Release,-DLEDGERLY_BENCH=ON)
	@$(call COMPILE,bench)
i686:
	@$(call CONFIG,i686,MinSizeRel,-DCMAKE_TOOLCHAIN_FILE=cmake/i686-w64-mingw32.cmake)
	@$(call COMPILE,i686)
x86_64:
	@$(call CONFIG,x86_64,MinSizeRel,-DCMAKE_TOOLCHAIN_FILE=cmake/x86_64-w64-mingw32.cmake)
	@$(call COMPILE,x86_64)

test: deps-test
	@$(MAKE) --no-print-directory all
	@scripts/test.sh

run: deps-run
	@$(MAKE) --no-print-directory i686 x86_64
	@scripts/run.sh

pictures: deps-run
	@$(MAKE) --no-print-directory i686 x86_64
	@scripts/pictures.sh

screenshot: deps-run
	@$(MAKE) --no-print-directory i686 x86_64
	@scripts/screenshot.sh

bench: deps-run
	@$(MAKE) --no-print-directory all
	@scripts/bench.sh
	@scripts/bench-win.sh

# The release zip: the stripped i686 program and how to run it.
dist: deps-build
	@$(MAKE) --no-print-directory i686
	@python3 scripts/dist.py

fuzz-long: deps-test
	@$(MAKE) --no-print-directory fuzz
	@scripts/fuzz-long.sh

clean:
	rm -rf $(BUILD)
