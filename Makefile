# The two entry points of the README.
#   make demo  - set up, build, design the shipped example and write its drawing
#   make test  - set up, build and run every test (release and sanitizer builds)
EXAMPLE ?= examples/frame-4x3-2storey.ANL
SBC ?= 200
DRAWING ?= build/demo/$(basename $(notdir $(EXAMPLE))).dxf

.PHONY: demo test setup release asan bench screenshot

setup:
	@scripts/setup

release: setup
	cmake --preset release
	cmake --build --preset release

asan: setup
	cmake --preset debug-asan
	cmake --build --preset debug-asan

demo: release
	@mkdir -p $(dir $(DRAWING))
	build/release/footmark-cli $(EXAMPLE) --sbc $(SBC) --dxf $(DRAWING)

test: release asan
	ctest --preset release
	ctest --preset debug-asan

bench: release
	build/release/bench/footmark-bench

screenshot: release
	scripts/screenshot
