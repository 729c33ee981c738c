# make test: installs what is missing, builds the three trees and runs every test.
JOBS ?= $(shell nproc)
TREES := linux win32 win64

.PHONY: test build deps format clean $(TREES)

test: build
	tools/run-tests.sh

build: $(TREES)

$(TREES): deps
	cmake --preset $@ >/dev/null
	cmake --build --preset $@ -j $(JOBS)

deps:
	tools/install-deps.sh

format:
	git ls-files '*.h' '*.cpp' | xargs clang-format -i

clean:
	rm -rf build out
