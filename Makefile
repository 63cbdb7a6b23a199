# One-command entry points: each does the whole set-up (packages, configure, build) first.
#   make run    build an optimised release and start the tool
#   make demo   the tool with a simulated radio in slot COM1
#   make test   build with AddressSanitizer/UBSan and run every test under ctest
#   make fuzz   run a fuzzer (FUZZ_TARGET image, import or link) for FUZZ_SECONDS (default 60)
#   make bench  build a release and run the benchmarks
#   make install    build a release and install it under PREFIX (default /usr/local; DESTDIR works)
#   make package    build the Debian package vm280 in build/package

JOBS        ?= $(shell nproc)
TEST_DIR    := build/test
RELEASE_DIR := build/release
FUZZ_DIR    := build/fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGET ?= image
PREFIX      ?= /usr/local
PACKAGE_DIR := build/package
CMAKE_GEN   := -G Ninja

.PHONY: deps run demo test fuzz bench release install package clean

deps:
	@bash scripts/install-deps.sh

release: deps
	cmake -S . -B $(RELEASE_DIR) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DVM280_TESTS=OFF
	cmake --build $(RELEASE_DIR) -j $(JOBS)

run: release
	$(RELEASE_DIR)/src/app/vm280

demo: release
	bash scripts/demo.sh $(RELEASE_DIR)

# The benchmarks are built here too, so that a change that breaks them fails the tests; they
# run only in the release build (make bench).
test: deps
	cmake -S . -B $(TEST_DIR) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DVM280_SANITIZE=ON -DVM280_BENCH=ON
	cmake --build $(TEST_DIR) -j $(JOBS)
	cd $(TEST_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

fuzz: deps
	CXX=clang++ cmake -S . -B $(FUZZ_DIR) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVM280_FUZZ=ON
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz-$(FUZZ_TARGET)
	mkdir -p fuzz/findings/$(FUZZ_TARGET)
	$(FUZZ_DIR)/fuzz/fuzz-$(FUZZ_TARGET) -max_total_time=$(FUZZ_SECONDS) \
	    -artifact_prefix=fuzz/findings/$(FUZZ_TARGET)/ fuzz/findings/$(FUZZ_TARGET) fuzz/corpus/$(FUZZ_TARGET)

bench: release
	cmake -S . -B $(RELEASE_DIR) $(CMAKE_GEN) -DVM280_BENCH=ON
	cmake --build $(RELEASE_DIR) -j $(JOBS)
	@for b in $(RELEASE_DIR)/bench/bench-*; do echo "== $$b"; $$b; done

install: release
	cmake --install $(RELEASE_DIR) --prefix $(PREFIX)

package: deps
	JOBS=$(JOBS) bash scripts/build-package.sh $(PACKAGE_DIR)

clean:
	rm -rf build
