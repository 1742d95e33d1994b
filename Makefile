# make test  - install what is missing, build (warnings as errors, ASan+UBSan), run every test
# make run   - install what is missing, build, open the window
# make bench - install what is missing, build optimised, run the benchmarks
# make install PREFIX=dir - build optimised, install into dir (default /usr/local)
# make package - build optimised, make the Debian package platewise_<version>_<arch>.deb
# make fuzz  - build the libFuzzer targets with clang (ASan+UBSan), run each FUZZ_SECONDS

DEPS        := scripts/install-deps.sh
TEST_DIR    := build/test
RELEASE_DIR := build/release
FUZZ_DIR    := build/fuzz
FUZZ_SECONDS ?= 20
FUZZ_FLAGS  := -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined \
               -fno-omit-frame-pointer -D_GLIBCXX_ASSERTIONS
CMAKE_GEN   := -G Ninja
PREFIX      ?= /usr/local

.PHONY: deps test-deps test run bench install package fuzz fuzz-deps format clean

deps:
	@bash $(DEPS)

test-deps:
	@bash $(DEPS) test

$(TEST_DIR)/build.ninja:
	cmake -S . -B $(TEST_DIR) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug \
	  -DPLATEWISE_WERROR=ON -DPLATEWISE_SANITIZE=ON

$(RELEASE_DIR)/build.ninja:
	cmake -S . -B $(RELEASE_DIR) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release \
	  -DPLATEWISE_WERROR=ON -DPLATEWISE_BENCH=ON -DBUILD_TESTING=OFF

$(FUZZ_DIR)/build.ninja:
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_FLAGS="$(FUZZ_FLAGS)" -DBUILD_TESTING=OFF -DPLATEWISE_FUZZ=ON

test: test-deps $(TEST_DIR)/build.ninja
	cmake --build $(TEST_DIR)
	cd $(TEST_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

run: deps $(RELEASE_DIR)/build.ninja
	cmake --build $(RELEASE_DIR) --target platewise
	$(RELEASE_DIR)/app/platewise

bench: deps $(RELEASE_DIR)/build.ninja
	cmake --build $(RELEASE_DIR)
	$(RELEASE_DIR)/bench/engine_bench
	$(RELEASE_DIR)/bench/report_bench
	$(RELEASE_DIR)/bench/startup_ratio $(RELEASE_DIR)/bench/startup_platewise $(RELEASE_DIR)/bench/startup_minimal
	$(RELEASE_DIR)/bench/batch_rate
	$(RELEASE_DIR)/bench/files_bench
	$(RELEASE_DIR)/bench/grid_bench
	$(RELEASE_DIR)/bench/calc_startup $(RELEASE_DIR)/app/platewise examples/KL-1.json $(RELEASE_DIR)/bench/core_minimal
	$(RELEASE_DIR)/bench/big_files $(RELEASE_DIR)/app/platewise
	$(RELEASE_DIR)/bench/book_memory $(RELEASE_DIR)/app/platewise

install: deps $(RELEASE_DIR)/build.ninja
	cmake --build $(RELEASE_DIR) --target platewise
	cmake --install $(RELEASE_DIR) --prefix $(PREFIX)

package: deps $(RELEASE_DIR)/build.ninja
	cmake --build $(RELEASE_DIR)
	cd $(RELEASE_DIR) && cpack
	@ls $(RELEASE_DIR)/platewise_*.deb

fuzz-deps:
	@bash $(DEPS) fuzz

# Each target starts from its seed corpus under tests/fuzz/corpus and keeps
# what it finds in build/fuzz/corpus; its whole output is in build/fuzz/<target>.log.
fuzz: fuzz-deps $(FUZZ_DIR)/build.ninja
	cmake --build $(FUZZ_DIR) --target fuzz_targets
	@while read -r fuzzer seeds; do \
	  name=$$(basename $$fuzzer); mkdir -p $(FUZZ_DIR)/corpus/$$name; \
	  echo "== $$name, $(FUZZ_SECONDS) s"; \
	  $$fuzzer -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 $(FUZZ_DIR)/corpus/$$name \
	    $$([ -d $$seeds ] && echo $$seeds) >$(FUZZ_DIR)/$$name.log 2>&1; status=$$?; \
	  grep -E '^#[0-9]+[[:space:]]+DONE|^stat::(number_of_executed_units|average_exec_per_sec)' \
	    $(FUZZ_DIR)/$$name.log; \
	  [ $$status -eq 0 ] || { tail -n 40 $(FUZZ_DIR)/$$name.log; exit 1; }; \
	done < $(FUZZ_DIR)/fuzz_targets.txt

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
