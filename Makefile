# The two commands: `make test` and `make run`. Everything else is a helper.
JOBS ?= $(shell nproc)
NATIVE := build/native
ASAN := build/asan
WIN := build/win

.PHONY: test run deps native asan win test-native test-asan test-win dist monthdump bench bench-startup bench-month bench-fetch clean

test: deps test-native test-asan test-win
	@echo "All builds tested."

deps:
	@tools/install-deps.sh

native:
	cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build $(NATIVE) -j $(JOBS)

asan:
	cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DVELTRANO_SANITIZE=ON >/dev/null
	cmake --build $(ASAN) -j $(JOBS) --target unit_tests

win:
	cmake -S . -B $(WIN) -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake >/dev/null
	cmake --build $(WIN) -j $(JOBS)

test-native: native
	ctest --test-dir $(NATIVE) --output-on-failure -j $(JOBS)

test-asan: asan
	ctest --test-dir $(ASAN) --output-on-failure -j $(JOBS)

test-win: win
	tools/with-xvfb.sh ctest --test-dir $(WIN) --output-on-failure -j $(JOBS)

# The zip a Windows user downloads: build/dist/Veltrano-VERSION.zip.
dist: deps win
	cmake --build $(WIN) --target dist

monthdump: native

bench: native
	$(NATIVE)/tools/engine_bench

# Starts the calendar under Wine with the bundled loopback news server; with
# no display it saves build/screenshot.png instead.
run: deps
	cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build $(NATIVE) -j $(JOBS) --target newsserver
	cmake -S . -B $(WIN) -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake >/dev/null
	cmake --build $(WIN) -j $(JOBS) --target Veltrano
	tools/run-calendar.sh

# Start-up time and working set against the floor and an empty Win32 window.
bench-startup: deps
	cmake -S . -B $(WIN) -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake >/dev/null
	cmake --build $(WIN) -j $(JOBS) --target Veltrano startup_bench startup_floor startup_baseline
	tools/startup/bench.sh

# A hundred month changes in the main window under Wine, from the click on
# "下月" to the new month painted.
bench-month: deps
	cmake -S . -B $(WIN) -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake >/dev/null
	cmake --build $(WIN) -j $(JOBS) --target monthchange_bench
	VELTRANO_WINEPREFIX=$(CURDIR)/build/wineprefix-bench$(if $(VELTRANO_LOGPIXELS),-dpi$(VELTRANO_LOGPIXELS)) tools/wine-run.sh $(WIN)/tools/startup/monthchange_bench.exe

# The longest time the window takes to answer while its headline server is
# silent.
bench-fetch: deps
	cmake -S . -B $(WIN) -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake >/dev/null
	cmake --build $(WIN) -j $(JOBS) --target Veltrano fetch_probe
	tools/fetchprobe/probe.sh

clean:
	rm -rf build
