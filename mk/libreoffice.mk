# The spreadsheet application on Linux against a real LibreOffice: each test program starts its
# own private print server and offices and stops them, so they run one after the other. About
# three minutes.
.PHONY: test-office

test-office: build
	ctest --test-dir $(NATIVE) -L office --output-on-failure

TEST_STAGES += test-office
