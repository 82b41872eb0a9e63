# The two set-up commands of the README: `make run` and `make test`.
.PHONY: run test build deps format snapshot package

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

# The Debian package, from the Release build: build/ledgora_<version>-1_<arch>.deb
package: build
	@flock /tmp/ledgora-build.lock cmake --build build --target package

snapshot: build
	@build/bin/ledgora-snapshot snapshot
