# The two commands of the README, plus developer targets.
BUILD      ?= build
ASAN_BUILD ?= build-asan
BENCH_BUILD ?= build-bench
JOBS       ?= $(shell nproc)

.PHONY: run test test-asan bench deps configure program build clean

deps:
	./scripts/install-deps.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: deps $(BUILD)/build.ninja

# The program alone: it reads its help pages and tips from data/ in the source tree and
# draws its pictures itself, so nothing else is needed to start it. The test programs
# wait for `make test`.
program: configure
	cmake --build $(BUILD) -j $(JOBS) --target pellamy

# Everything, the test programs too.
build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: program
	./$(BUILD)/src/app/pellamy

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPELLAMY_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

# Runs only the benchmark programs: CMake also leaves bench_*_autogen folders beside them.
bench: deps
	cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DPELLAMY_BENCH=ON -DPELLAMY_TESTS=OFF
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	@set -e; for b in $(BENCH_BUILD)/bench/bench_*; do \
	  if [ -f "$$b" ] && [ -x "$$b" ]; then echo "== $$b"; "$$b"; fi; \
	done

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD)
