# make test  - install what is missing, build (warnings as errors, ASan+UBSan), run every test
# make run   - install what is missing, build, open the window
# make bench - install what is missing, build optimised, run the benchmarks
# make install PREFIX=dir - build optimised, install into dir (default /usr/local)
# make package - build optimised, make the Debian package platewise_<version>_<arch>.deb

DEPS        := scripts/install-deps.sh
TEST_DIR    := build/test
RELEASE_DIR := build/release
CMAKE_GEN   := -G Ninja
PREFIX      ?= /usr/local

.PHONY: deps test run bench install package format clean

deps:
	@bash $(DEPS)

$(TEST_DIR)/build.ninja:
	cmake -S . -B $(TEST_DIR) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug \
	  -DPLATEWISE_WERROR=ON -DPLATEWISE_SANITIZE=ON

$(RELEASE_DIR)/build.ninja:
	cmake -S . -B $(RELEASE_DIR) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release \
	  -DPLATEWISE_WERROR=ON -DPLATEWISE_BENCH=ON -DBUILD_TESTING=OFF

test: deps $(TEST_DIR)/build.ninja
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
	$(RELEASE_DIR)/bench/calc_startup $(RELEASE_DIR)/app/platewise examples/KL-1.json $(RELEASE_DIR)/bench/core_minimal

install: deps $(RELEASE_DIR)/build.ninja
	cmake --build $(RELEASE_DIR) --target platewise
	cmake --install $(RELEASE_DIR) --prefix $(PREFIX)

package: deps $(RELEASE_DIR)/build.ninja
	cmake --build $(RELEASE_DIR)
	cd $(RELEASE_DIR) && cpack
	@ls $(RELEASE_DIR)/platewise_*.deb

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
