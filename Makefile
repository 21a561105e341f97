# Entry points: `make demo` runs SPECVUE scripted on the bundled data; `make test` builds and
# runs every test.  Both install what is missing first.  JOBS is the number of compile (and
# test) jobs; EXTRAS=OFF builds only the libraries and the program, without the test
# programs, examples and benchmarks.
JOBS    ?= $(shell nproc)
EXTRAS  ?= ON
BUILD   ?= build
SANBUILD ?= build-sanitize
TSANBUILD ?= build-tsan
FUZZBUILD ?= build-fuzz

.PHONY: setup build test test-sanitize test-thread install-check format-check demo bench fuzz fuzz-hunt clean

setup:
	@bash scripts/setup.sh

build: setup
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DTARV_BUILD_TESTS=$(EXTRAS) \
	  -DTARV_BUILD_EXAMPLES=$(EXTRAS) -DTARV_BUILD_BENCHMARKS=$(EXTRAS) >/dev/null
	@cmake --build $(BUILD) -j$(JOBS)

test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

test-sanitize: setup
	@cmake -S . -B $(SANBUILD) -DCMAKE_BUILD_TYPE=Debug -DTARV_SANITIZE=ON >/dev/null
	@cmake --build $(SANBUILD) -j$(JOBS)
	@LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0 \
	  ctest --test-dir $(SANBUILD) --output-on-failure -j$(JOBS)

# The tests that start threads (the kernel's stripe workers, driven by its own tests and the
# surface library's band fills, the network's vertex gradient fits, and the program's spectrum
# sums) under ThreadSanitizer; the first report of a race fails it.  Band-filled maps drawn in
# turn to a raster run first in a program of their own, STRIPE_ROUNDS of them (about half a
# second each), so that the stripe workers start as in a program that has drawn nothing before.
# scripts/tsan.supp says what is not ours to mend.  Run without address randomisation: g++ 12's
# ThreadSanitizer cannot lay out its shadow memory under the wider randomisation of newer Linux
# kernels.
STRIPE_ROUNDS ?= 20
test-thread: setup
	@cmake -S . -B $(TSANBUILD) -DCMAKE_BUILD_TYPE=Debug -DTARV_TSAN=ON >/dev/null
	@cmake --build $(TSANBUILD) --target kernel_tests bandfill_tests network_fit_tests \
	  summation_tests -j$(JOBS)
	@cd $(TSANBUILD)/tests && \
	  export TSAN_OPTIONS=halt_on_error=1:suppressions=$(CURDIR)/scripts/tsan.supp && \
	  TARV_STRIPE_ROUNDS=$(STRIPE_ROUNDS) setarch -R ./bandfill_tests --gtest_brief=1 \
	    --gtest_filter=BandFillTest.MapsDrawnInTurnOnARasterGiveTheSamePixels && \
	  setarch -R ./kernel_tests --gtest_brief=1 && setarch -R ./bandfill_tests --gtest_brief=1 && \
	  setarch -R ./network_fit_tests --gtest_brief=1 && setarch -R ./summation_tests --gtest_brief=1

# Installs into a temporary prefix and builds and runs a program outside the project against it.
install-check: build
	@bash scripts/install-check.sh $(BUILD)

# Every C++ file laid out as .clang-format says.
format-check: setup
	@bash scripts/format-check.sh

demo: build
	@bash scripts/demo.sh $(BUILD)

# The libFuzzer harnesses under fuzz/, built with clang in a directory of their own.  `fuzz` runs
# a fixed number of inputs each from a fixed seed (what CI runs: the same tree finds the same
# thing anywhere); `fuzz-hunt` searches from a new seed each time, FUZZ_SECONDS of harness time
# in all (the wall time is longer: see scripts/fuzz.sh).
fuzz:
	@bash scripts/setup.sh fuzz
	@bash scripts/fuzz.sh $(FUZZBUILD)

fuzz-hunt:
	@bash scripts/setup.sh fuzz
	@bash scripts/fuzz.sh $(FUZZBUILD) hunt

bench: build
	@for b in $(BUILD)/bench/*; do \
	  if [ -f "$$b" ] && [ -x "$$b" ]; then "$$b" || exit 1; fi; \
	done

clean:
	rm -rf $(BUILD) $(SANBUILD) $(TSANBUILD) $(FUZZBUILD)
