# The packages (`make package`), into build/packages: the Debian package from the program's own
# build (build/program), the Windows zip and installer from a Windows build of the program alone
# (build/windows-program); all carry the project's version.
PACKAGES := build/packages
WINDOWS_PROGRAM := build/windows-program

.PHONY: package windows-program

windows-program: deps-package
	cmake -S . -B $(WINDOWS_PROGRAM) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
	  -DCMAKE_BUILD_TYPE=Release -DQUIREVO_TESTS=OFF
	cmake --build $(WINDOWS_PROGRAM) -j$(JOBS)

package: deps-package program windows-program
	rm -rf $(PACKAGES)
	cd $(PROGRAM) && cpack -D CPACK_OUTPUT_FILE_PREFIX=$(abspath $(PACKAGES))
	cd $(WINDOWS_PROGRAM) && cpack -D CPACK_OUTPUT_FILE_PREFIX=$(abspath $(PACKAGES))
	@ls -l $(PACKAGES)
