# Front door of the build. Every target installs what is missing first,
# then configures and builds with CMake.

JOBS      ?= $(shell nproc)
BUILD     ?= build
ASAN      ?= build-asan
TSAN      ?= build-tsan
CMAKE_GEN  = cmake -S . -DCMAKE_BUILD_TYPE=Release
BUNDLE     = VELTFREE_VST.vst3
PRESETS    = share/vst3/presets/Tallow Ridge/VeltraneFree

.PHONY: all deps build demo test test-normal test-asan test-tsan bench bench-render deb install uninstall clean

all: build

deps:
	@scripts/install-deps

build: deps
	$(CMAKE_GEN) -B $(BUILD)
	cmake --build $(BUILD) -j $(JOBS)

demo: build
	$(BUILD)/veltrane demo demo.wav
	$(BUILD)/veltrane snapshot $(BUILD)/editor.png

# The suites run three times: a normal build, AddressSanitizer with
# UndefinedBehaviorSanitizer, and the concurrency stress test under
# ThreadSanitizer. Any failure or sanitizer report fails the run.
test: test-normal test-asan test-tsan

test-normal: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

test-asan: deps
	$(CMAKE_GEN) -B $(ASAN) -DVELTRANE_SANITIZE=address,undefined -DVELTRANE_BENCHMARKS=OFF
	cmake --build $(ASAN) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
		ctest --test-dir $(ASAN) --output-on-failure -j $(JOBS)

test-tsan: deps
	$(CMAKE_GEN) -B $(TSAN) -DVELTRANE_SANITIZE=thread -DVELTRANE_BENCHMARKS=OFF
	cmake --build $(TSAN) -j $(JOBS) --target vst3_stress_tests
	TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 $(TSAN)/tests/vst3/vst3_stress_tests

bench: build
	$(BUILD)/bench/veltrane-bench --benchmark_counters_tabular=true

# A minute of stereo audio through `veltrane render`, VST 3 and VST 2 faces.
bench-render: build
	$(BUILD)/bench/veltrane-render-bench

# The Debian package: $(BUILD)/package/veltranefree_VERSION_ARCH.deb.
deb: build
	cpack -G DEB --config $(BUILD)/CPackConfig.cmake

# Without PREFIX: links in ~/.vst3 (VST 3 hosts) and ~/.vst (the .so inside
# the bundle, for Linux VST 2 hosts) to this build. With PREFIX (say /usr/local):
# a system-wide copy, the bundle in PREFIX/lib/vst3, a link to its binary in
# PREFIX/lib/lxvst, veltrane in PREFIX/bin, its manual page in PREFIX/share/man
# and the factory presets in PREFIX/$(PRESETS); DESTDIR stages it elsewhere.
# The CLAP face is the same binary, linked as ~/.clap/VeltraneFree.clap or
# PREFIX/lib/clap/VeltraneFree.clap. The LV2 bundle is linked as
# ~/.lv2/VeltraneFree.lv2, or installed in PREFIX/lib/lv2 (its binary a link).
# Without PREFIX the factory presets are linked one by one into ~/.vst3/presets.
ifdef PREFIX
install: build
	DESTDIR=$(DESTDIR) cmake --install $(BUILD) --prefix $(PREFIX)

uninstall:
	rm -rf $(DESTDIR)$(PREFIX)/lib/vst3/$(BUNDLE) $(DESTDIR)$(PREFIX)/share/doc/veltranefree
	rm -f $(DESTDIR)$(PREFIX)/lib/lxvst/VELTFREE_VST.so $(DESTDIR)$(PREFIX)/bin/veltrane
	rm -f $(DESTDIR)$(PREFIX)/lib/clap/VeltraneFree.clap
	rm -rf $(DESTDIR)$(PREFIX)/lib/lv2/VeltraneFree.lv2
	rm -rf "$(DESTDIR)$(PREFIX)/$(PRESETS)" $(DESTDIR)$(PREFIX)/share/man/man1/veltrane.1.gz
else
install: build
	mkdir -p $(HOME)/.vst3 $(HOME)/.vst
	ln -sfn $(abspath $(BUILD)/$(BUNDLE)) $(HOME)/.vst3/$(BUNDLE)
	ln -sfn $(abspath $(BUILD)/$(BUNDLE)/Contents/x86_64-linux/VELTFREE_VST.so) $(HOME)/.vst/VELTFREE_VST.so
	@echo "linked $(HOME)/.vst3/$(BUNDLE) and $(HOME)/.vst/VELTFREE_VST.so"
	mkdir -p $(HOME)/.clap
	ln -sfn $(abspath $(BUILD)/$(BUNDLE)/Contents/x86_64-linux/VELTFREE_VST.so) $(HOME)/.clap/VeltraneFree.clap
	mkdir -p $(HOME)/.lv2
	ln -sfn $(abspath $(BUILD)/VeltraneFree.lv2) $(HOME)/.lv2/VeltraneFree.lv2
	@# One link a preset: hosts save the user's own presets into this folder too.
	mkdir -p "$(HOME)/.vst3/presets/Tallow Ridge/VeltraneFree"
	ln -sf $(abspath $(BUILD))/presets/*.vstpreset "$(HOME)/.vst3/presets/Tallow Ridge/VeltraneFree/"
	@echo "linked the factory presets into $(HOME)/.vst3/presets/Tallow Ridge/VeltraneFree"

uninstall:
	rm -f $(HOME)/.vst3/$(BUNDLE) $(HOME)/.vst/VELTFREE_VST.so
	rm -f $(HOME)/.clap/VeltraneFree.clap $(HOME)/.lv2/VeltraneFree.lv2
	find "$(HOME)/.vst3/presets/Tallow Ridge/VeltraneFree" -lname '$(abspath $(BUILD))/presets/*' -delete 2>/dev/null || true
endif

clean:
	rm -rf $(BUILD) $(ASAN) $(TSAN)
