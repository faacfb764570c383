# The spreadsheet application on Linux against a real LibreOffice: each test program starts its
# own private print server and offices and stops them, so they run one after the other, in the
# plain and in the sanitized build. About four minutes.
.PHONY: test-office

test-office: build build-sanitize
	ctest --test-dir $(NATIVE) -L office --no-tests=error --output-on-failure
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --test-dir $(SANITIZE) -L office --no-tests=error --output-on-failure

TEST_STAGES += test-office
