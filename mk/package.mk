# The packages (`make package`), into build/packages: the Debian package from the program's own
# build (build/program), the Windows zip and installer from a Windows build of the program alone
# (build/windows-program); all carry the project's version. The test stage checks them as a user
# would (scripts/package-check): the .deb installed with apt-get, started as its desktop entry
# starts it and removed; the installer run silently under Wine in a fresh prefix, the program
# started from its shortcut, the uninstaller; the zip's files. A few minutes beside the builds.
PACKAGES := build/packages
WINDOWS_PROGRAM := build/windows-program

.PHONY: package windows-program test-package

windows-program: deps-package
	cmake -S . -B $(WINDOWS_PROGRAM) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
	  -DCMAKE_BUILD_TYPE=Release -DQUIREVO_TESTS=OFF
	cmake --build $(WINDOWS_PROGRAM) -j$(JOBS)

package: deps-package program windows-program
	rm -rf $(PACKAGES)
	cd $(PROGRAM) && cpack -D CPACK_OUTPUT_FILE_PREFIX=$(abspath $(PACKAGES))
	cd $(WINDOWS_PROGRAM) && cpack -D CPACK_OUTPUT_FILE_PREFIX=$(abspath $(PACKAGES))
	@ls -l $(PACKAGES)

# The Windows build of the tests gives the scenario driver and the test server.
test-package: deps package windows
	timeout 900 scripts/package-check $(PACKAGES) $(WINDOWS)

TEST_STAGES += test-package
