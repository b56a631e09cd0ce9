# The two commands a newcomer needs, over the CMake presets:
#   make run    build the Windows program and start it under Wine
#   make test   build everything and run every test
# Each installs the Debian packages it needs first.

.PHONY: run test test-linux test-windows program bench screenshot

run: program
	tools/run-program build/windows-$$(tools/wine-arch)/src/grinsmith.exe

program:
	tools/install-deps windows
	arch=$$(tools/wine-arch) && cmake --preset windows-$$arch && \
	    cmake --build --preset windows-$$arch --target grinsmith

test: test-linux test-windows

test-linux:
	tools/install-deps linux
	cmake --preset linux
	cmake --build --preset linux
	ctest --preset linux

# The 32-bit program is always built and checked; its test suites run under Wine where Wine runs
# 32-bit programs, and otherwise the same sources are built and tested for 64-bit Windows.
test-windows:
	tools/install-deps linux windows
	cmake --preset windows-i686
	cmake --build --preset windows-i686
	ctest --preset windows-i686
	arch=$$(tools/wine-arch) && if [ "$$arch" != i686 ]; then \
	    cmake --preset windows-$$arch && cmake --build --preset windows-$$arch && \
	    ctest --preset windows-$$arch; fi

bench:
	tools/install-deps linux bench
	cmake --preset bench
	cmake --build --preset bench
	build/bench/benchmarks/writer_benchmark --benchmark_repetitions=3 --benchmark_report_aggregates_only=true

screenshot: program
	tools/install-deps screenshot
	tools/take-screenshot build/windows-$$(tools/wine-arch)/src/grinsmith.exe docs/window.png
