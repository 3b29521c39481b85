# Kestrel: the two commands a player or developer needs are `make run` and `make test`.
.PHONY: all deps build run test check-asan bench accept format clean

BUILD := build/default
CLI := $(BUILD)/kestrel-cli

all: build

deps:
	@scripts/install-deps

$(BUILD)/build.ninja: | deps
	cmake --preset default

build: deps $(BUILD)/build.ninja
	cmake --build --preset default

run: build
	$(BUILD)/kestrel

test: build
	ctest --preset default -j2
	$(CLI) selfplay --from 1 --count 3000 --check

check-asan: deps
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan -j2 -E gui
	build/asan/kestrel-cli selfplay --from 1 --count 300 --check

bench: build
	cmake --preset bench
	cmake --build --preset bench
	build/bench/bench/kestrel-bench
	bench/idle_cpu.sh $(BUILD)/kestrel

# Rewrites the golden file of fixed hands after an intended change of behaviour.
accept: build
	$(CLI) golden > tests/data/golden.txt

format:
	clang-format -i $$(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp')

clean:
	rm -rf build
