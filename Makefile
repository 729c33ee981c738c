# make test: installs what is missing, builds every tree and runs every test.
JOBS ?= $(shell nproc)
TREES := linux asan fuzz win32 win64
FUZZ_SECONDS ?= 60
MODE ?= 1
BITS ?= 32
BENCH_RUNS ?= 5

.PHONY: test run demo-reset bench fuzz dist build deps format clean $(addprefix tree-,$(TREES))

test: build
	tools/run-tests.sh

# The settings sheet in RunMode MODE through kwhost.exe in a demonstration Wine prefix (RESET=1:
# set up afresh first); without a display, pictures of its pages in out/screens/mode-MODE/. Only
# what it runs is built: the library, kwhost and the demonstration's driver images. BITS=32 (the
# default) runs the shipped i686 DLL under 32-bit Wine; BITS=64 the x86_64 build under wine64.
run: deps
	@tools/build-quietly.sh win$(BITS) kwhost kelvd_demo_drivers
	@KELVD_BITS=$(BITS) tools/run-demo.sh $(if $(RESET),--reset) $(MODE)

# Removes the demonstration prefix, so that the next make run starts afresh.
demo-reset:
	@tools/demo-reset.sh

# The native benchmark beside its floors, then the sheet timed at full capacity beside its floor
# under 32-bit Wine (the shipped i686 DLL) and wine64 (BENCH_RUNS runs, default 5): medians.
bench: deps
	@tools/build-quietly.sh linux kelvd-bench
	@tools/build-quietly.sh win32 kwhost kelvd-fullset kelvd-floor
	@tools/build-quietly.sh win64 kwhost kelvd-fullset kelvd-floor
	@tools/run-bench.sh $(BENCH_RUNS)

# Every fuzzer for FUZZ_SECONDS seconds each.
fuzz: tree-fuzz
	tools/run-fuzzers.sh $(FUZZ_SECONDS)

# What a host team receives: out/kelvdcfg-<version>-win32.zip, from the win32 tree's install
# rules (the stripped DLL and its debug information, the header, import libraries, HOSTS.md).
dist: tree-win32
	cmake --build --preset win32 --target dist

build: $(addprefix tree-,$(TREES))

# One tree: build/<name>, configured by the preset of that name.
$(addprefix tree-,$(TREES)): tree-%: deps
	cmake --preset $* >/dev/null
	cmake --build --preset $* -j $(JOBS)

deps:
	@tools/install-deps.sh

format:
	git ls-files '*.h' '*.cpp' | xargs clang-format -i

clean:
	rm -rf build out
