# The two commands of the README: `make demo` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: deps configure build demo test sanitize fuzz clean

deps:
	@scripts/deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

demo: build
	@scripts/demo.sh $(BUILD)

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The whole suite again under AddressSanitizer and UBSan.
sanitize: deps
	@cmake -S . -B $(BUILD)-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZANDOR_SANITIZE=ON -DZANDOR_BENCH=OFF >/dev/null
	@cmake --build $(BUILD)-asan -j $(JOBS)
	@cd $(BUILD)-asan && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Each libFuzzer target for FUZZ_SECONDS, built with clang.
FUZZ_SECONDS ?= 60
FUZZ_TARGETS = statements_fuzz module_fuzz forms_fuzz stgpick_fuzz
fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B $(BUILD)-fuzz -G Ninja -DZANDOR_FUZZ=ON -DZANDOR_TESTS=OFF -DZANDOR_BENCH=OFF >/dev/null
	@cmake --build $(BUILD)-fuzz -j $(JOBS) --target $(FUZZ_TARGETS)
	@for t in $(FUZZ_TARGETS); do \
		echo "fuzz: $$t for $(FUZZ_SECONDS) s"; \
		log=$(BUILD)-fuzz/$$t.log; \
		$(BUILD)-fuzz/fuzz/$$t -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 >$$log 2>&1 || { tail -40 $$log; exit 1; }; \
		grep -E '^stat::number_of_executed_units' $$log; \
	done

clean:
	rm -rf $(BUILD) $(BUILD)-asan $(BUILD)-fuzz
