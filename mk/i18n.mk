# Fuzzes the caption loader (a language file's bytes -> the 25 captions) with libFuzzer under
# AddressSanitizer and UndefinedBehaviorSanitizer for FUZZ_SECONDS; the shipped language files
# are the initial corpus. Build about two minutes, then the run; nothing is left running.
FUZZ_BUILD := build/fuzz
FUZZ_SECONDS ?= 60

.PHONY: fuzz
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DQUIREVO_FUZZ=ON -DQUIREVO_SANITIZE=ON -DQUIREVO_BENCHMARKS=OFF \
	  -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link
	cmake --build $(FUZZ_BUILD) --target caption_loader_fuzzer -j$(JOBS)
	rm -rf $(FUZZ_BUILD)/corpus $(FUZZ_BUILD)/findings && mkdir -p $(FUZZ_BUILD)/corpus $(FUZZ_BUILD)/findings
	cp lang/*.xml $(FUZZ_BUILD)/corpus/
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  $(FUZZ_BUILD)/tests/fuzz/caption_loader_fuzzer $(FUZZ_BUILD)/corpus \
	  -dict=tests/fuzz/xml.dict -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=2048 \
	  -max_len=16384 -print_final_stats=1 -artifact_prefix=$(abspath $(FUZZ_BUILD))/findings/

TEST_STAGES += fuzz
