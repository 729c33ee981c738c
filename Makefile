# make test: installs what is missing, builds every tree and runs every test.
JOBS ?= $(shell nproc)
TREES := linux asan fuzz win32 win64
FUZZ_SECONDS ?= 60

.PHONY: test fuzz build deps format clean $(addprefix tree-,$(TREES))

test: build
	tools/run-tests.sh

# Every fuzzer for FUZZ_SECONDS seconds each.
fuzz: tree-fuzz
	tools/run-fuzzers.sh $(FUZZ_SECONDS)

build: $(addprefix tree-,$(TREES))

# One tree: build/<name>, configured by the preset of that name.
$(addprefix tree-,$(TREES)): tree-%: deps
	cmake --preset $* >/dev/null
	cmake --build --preset $* -j $(JOBS)

deps:
	tools/install-deps.sh

format:
	git ls-files '*.h' '*.cpp' | xargs clang-format -i

clean:
	rm -rf build out
