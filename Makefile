# The two entry points of the README.
#   make demo  - set up, build, design the shipped example and write its drawing
#   make test  - set up, build and run a bounded run of the fuzzer, then every
#                test (release and sanitizer builds)
#   make fuzz  - only the bounded fuzzer run (clang, ASan and UBSan)
#   make package - the Debian packages (build/release/footmark-cli_*.deb, footmark_*.deb)
#   make windows - footmark.exe, footmark-cli.exe and their installer for 64-bit Windows
#                  (build/windows; the first run builds Qt for Windows, once per machine)
EXAMPLE ?= examples/frame-4x3-2storey.ANL
SBC ?= 200
DRAWING ?= build/demo/$(basename $(notdir $(EXAMPLE))).dxf

# The bounded fuzzer run: a fixed seed and number of inputs, on a copy of the
# seed corpus so that the inputs it keeps never land in the source tree.
FUZZ_RUNS ?= 12000
FUZZ_CORPUS := build/fuzz/corpus-run

.PHONY: demo test setup release asan fuzz bench screenshot screenshot-windows package windows

setup:
	@scripts/setup

release: setup
	cmake --preset release
	cmake --build --preset release

asan: setup
	cmake --preset debug-asan
	cmake --build --preset debug-asan

# Cross-compiled with MinGW-w64; its tests run under Wine (ctest --preset windows).
windows: setup
	cmake --preset windows
	cmake --build --preset windows
	cpack --config build/windows/CPackConfig.cmake -B build/windows

# Beside the drawing: the portable drawing, the SVG, the calculation report
# and the workbook, named after it.
demo: release
	@mkdir -p $(dir $(DRAWING))
	build/release/footmark-cli $(EXAMPLE) --sbc $(SBC) --dxf $(DRAWING) \
	  --portable-dxf $(basename $(DRAWING))-portable.dxf --svg $(basename $(DRAWING)).svg \
	  --report $(basename $(DRAWING))-report.html --xlsx $(basename $(DRAWING)).xlsx

test: release asan windows
	$(MAKE) --no-print-directory fuzz
	ctest --preset release
	ctest --preset debug-asan
	ctest --preset windows

fuzz: setup
	cmake --preset fuzz
	cmake --build --preset fuzz
	rm -rf $(FUZZ_CORPUS) && mkdir -p $(FUZZ_CORPUS) && cp tests/fuzz/corpus/* $(FUZZ_CORPUS)/
	build/fuzz/footmark-fuzz -seed=1 -runs=$(FUZZ_RUNS) -max_len=500000 -timeout=10 -rss_limit_mb=2048 \
	  -dict=tests/fuzz/target/anl.dict -verbosity=0 -print_funcs=0 -print_final_stats=1 \
	  -artifact_prefix=build/fuzz/ $(FUZZ_CORPUS)

# The Debian packages of the two programs, in build/release.
package: release
	cd build/release && cpack -G DEB

bench: release
	build/release/bench/footmark-bench

screenshot: release
	scripts/screenshot

screenshot-windows: windows
	scripts/screenshot-windows
