# The Windows program, cross-built with mingw-w64: `make windows` gives build/windows/Quirevo.exe.
# The test stage runs the COM-layer suite, the started window and the end-to-end scenarios against
# the test spreadsheet server under Wine in a private prefix (scripts/windows-wine-check); about
# three minutes, most of it setting up the prefix.
WINDOWS := build/windows

.PHONY: windows test-windows

windows: deps
	cmake -S . -B $(WINDOWS) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release
	cmake --build $(WINDOWS) -j$(JOBS)

test-windows: windows
	timeout 600 scripts/windows-wine-check $(WINDOWS)

TEST_STAGES += test-windows
