# The two set-up commands of the README: `make run` and `make test`.
.PHONY: run test build deps format snapshot

deps:
	@scripts/install-deps

build: deps
	@scripts/build build Release

run: build
	@scripts/run

test: deps
	@scripts/test

format:
	@git ls-files '*.cpp' '*.h' | xargs -r clang-format -i

snapshot: build
	@build/bin/ledgora-snapshot snapshot
