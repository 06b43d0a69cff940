# SPDX-License-Identifier: MIT
# The two commands a new user needs are `make run` and `make test`; the rest are for developers.
BUILD_DIR  ?= build
BUILD_TYPE ?= Release

.PHONY: all deps configure build test translations run install lint bench bench-deps sanitize fuzz package \
	reproducible-check screenshot language-screenshots page-screenshots test-data code-pages windows-configure windows windows-run windows-check web-configure web web-run web-check web-bench windows-bench \
	clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) \
		-DHEXCONV_REQUIRE_CHECK_TOOLS=ON

build: configure
	@cmake --build $(BUILD_DIR)

test: build
	@ctest --test-dir $(BUILD_DIR) --output-on-failure

# Brings translations/*.ts up to date with the program's texts (Qt's lupdate): new texts arrive
# unfinished, and the build refuses a catalogue with unfinished texts until they are translated.
translations: configure
	@cmake --build $(BUILD_DIR) --target update_translations

# Builds only the program, none of the tests.
run: configure
	@cmake --build $(BUILD_DIR) --target hex-converter
	@$(BUILD_DIR)/ui/hex-converter

# What `cmake --install` installs: the program, its manual page, desktop entry, metadata, icons
# and licence, under PREFIX, staged below DESTDIR if that is set.
PREFIX ?= /usr/local

install: configure
	@cmake --build $(BUILD_DIR) --target installed-files
	@DESTDIR=$(DESTDIR) cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# clang-format and clang-tidy (.clang-tidy) over the C++ sources, shellcheck over the scripts.
lint: configure
	@scripts/lint $(BUILD_DIR)

# Benchmarks, never part of the tests: the core routines, Calculate on a real window (offscreen),
# start-up against an empty Qt window, as whole processes under Xvfb, the instructions to the first
# frame in each language under callgrind, and a 20 MB paste into the real program under Xvfb.
bench-deps:
	@scripts/install-deps xvfb xauth xdotool xclip valgrind

bench: bench-deps
	@$(MAKE) --no-print-directory build
	@$(BUILD_DIR)/bench/core_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	@$(BUILD_DIR)/bench/calculate_bench
	@xvfb-run -a -s "-screen 0 1024x768x24" $(BUILD_DIR)/bench/startup_bench
	@xvfb-run -a -s "-screen 0 1024x768x24" bench/language-startup-bench $(BUILD_DIR)/bench
	@bench/paste-bench $(BUILD_DIR)/ui/hex-converter

# A .deb whose dependencies dpkg-shlibdeps works out, checked by lintian and for the packages it
# recommends; install it with `apt-get install ./FILE`. HEXCONV_MAINTAINER (a CMake cache
# variable) names its maintainer.
# The files are dated at SOURCE_DATE_EPOCH, by default the last commit's time, so that the same
# commit gives the same package bit for bit.
SOURCE_DATE_EPOCH ?= $(shell git log -1 --format=%ct 2>/dev/null)
export SOURCE_DATE_EPOCH

package: configure
	@cmake --build $(BUILD_DIR) --target installed-files
	@rm -f $(BUILD_DIR)/*.deb
	@cd $(BUILD_DIR) && cpack -G DEB
	@lintian --fail-on error,warning $(BUILD_DIR)/*.deb
	@packaging/check-recommends $(BUILD_DIR)/*.deb
	@ls $(BUILD_DIR)/*.deb

# Builds the package in a second, fresh build folder and compares it with this one's.
REPRO_DIR ?= build-reproducible

reproducible-check: package
	@rm -rf $(REPRO_DIR)
	@$(MAKE) --no-print-directory package BUILD_DIR=$(REPRO_DIR) >/dev/null
	@cmp $(BUILD_DIR)/*.deb $(REPRO_DIR)/*.deb
	@echo "reproducible: $$(cd $(BUILD_DIR) && ls *.deb) is the same from both build folders"

# The window in every language on every platform, one image each (linux.png, windows.png,
# web.png in $(BUILD_DIR)/language-screenshots), to look at.
language-screenshots: build windows web
	@scripts/install-deps xvfb xauth xdotool imagemagick openbox
	@scripts/language-screenshots $(BUILD_DIR)/language-screenshots $(BUILD_DIR)/ui/hex-converter \
		$(WINDOWS_DIR) $(WEB_DIR)/web/site

# docs/page-*.png: the page on a desktop, on a phone, in dark mode, under a contrast theme and
# in Hebrew, in headless Chromium, from the real build; docs/screenshot-web.png, its window.
page-screenshots: web
	@scripts/install-deps chromium chromium-driver python3-selenium
	@/usr/bin/python3 scripts/page-looks $(WEB_DIR)/web/site docs

# docs/screenshot.png: the built program under Xvfb, with one conversion made.
screenshot: build
	@scripts/install-deps xvfb xauth xdotool imagemagick openbox
	@scripts/screenshot docs/screenshot.png $(BUILD_DIR)/ui/hex-converter

# The whole suite, window tests included, under AddressSanitizer (with leak checking) and
# UndefinedBehaviorSanitizer, in a build folder of its own. The test binaries also run at build
# time (test discovery), so the options apply to the build as well.
SANITIZE_DIR ?= build-sanitize
SANITIZE_ENV = ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:strict_string_checks=1 \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

sanitize: deps
	@cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHEXCONV_SANITIZE=ON \
		-DHEXCONV_BENCHMARKS=OFF
	@$(SANITIZE_ENV) cmake --build $(SANITIZE_DIR)
	@$(SANITIZE_ENV) ctest --test-dir $(SANITIZE_DIR) --output-on-failure

# libFuzzer over number reading, the text form, the four routines and the code page, built with
# clang; FUZZ_SECONDS is the time for all targets together.
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60

fuzz:
	@scripts/install-deps clang libclang-rt-14-dev
	@cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHEXCONV_FUZZ=ON \
		-DCMAKE_CXX_COMPILER=clang++
	@cmake --build $(FUZZ_DIR)
	@scripts/run-fuzzers $(FUZZ_DIR)/tests/fuzz $(FUZZ_SECONDS)

# The Windows program, cross-built with MinGW-w64: build-windows/hex-converter.exe, one static
# executable, its installer (NSIS) and a portable zip. With SIGN_CERT and SIGN_KEY (PEM files of
# a code-signing certificate and its key) the program, the uninstaller and the installer are
# signed. windows-check also runs clang-tidy over win32/ and every Windows test under Wine: the
# core and the shared Form1, the real window driven with input on Xvfb, the real program driven
# by xdotool, the installer installing and uninstalling, the signatures.
WINDOWS_DIR ?= build-windows
WINDOWS_DEPS = g++-mingw-w64-x86-64-posix wine64 fonts-wine googletest nsis osslsigncode openssl xvfb xauth \
	x11-utils openbox xdotool xclip locales-all
SIGN_CERT ?=
SIGN_KEY ?=

windows-configure:
	@scripts/install-deps $(WINDOWS_DEPS)
	@cmake -S . -B $(WINDOWS_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release \
		-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
		-DHEXCONV_GTEST_SOURCE=/usr/src/googletest \
		-DHEXCONV_SIGN_CERT="$(abspath $(SIGN_CERT))" -DHEXCONV_SIGN_KEY="$(abspath $(SIGN_KEY))"

windows: windows-configure
	@cmake --build $(WINDOWS_DIR) --target hex-converter installer portable
	@ls -l $(WINDOWS_DIR)/hex-converter.exe $(WINDOWS_DIR)/hex-converter-*-setup.exe \
		$(WINDOWS_DIR)/hex-converter-*-portable.zip

# The Windows program under Wine on this display, in a scratch prefix of the build folder (never
# ~/.wine), with no menu entries added to the desktop.
windows-run: windows-configure
	@cmake --build $(WINDOWS_DIR) --target hex-converter
	@sh tests/win32/run-in-wine /usr/lib/wine/wine64 $(abspath $(WINDOWS_DIR))/tests/wine \
		--this-display $(WINDOWS_DIR)/hex-converter.exe

windows-check: windows-configure
	@cmake --build $(WINDOWS_DIR)
	@scripts/lint --windows $(WINDOWS_DIR)
	@ctest --test-dir $(WINDOWS_DIR) --output-on-failure

# The tests' expected answers that come from Windows itself, asked under Wine: tests/data/, which
# windows-check checks against Windows' answers of the day.
test-data: windows-configure
	@cmake --build $(WINDOWS_DIR) --target windows_answers
	@scripts/windows-locale-code-pages /usr/lib/wine/wine64 $(abspath $(WINDOWS_DIR))/tests/wine \
		$(WINDOWS_DIR)/tests/win32/windows_answers.exe >tests/data/locale-code-pages.tsv

# Windows' own tables of its ANSI code pages, asked under Wine: core/code-pages/, from which the
# build writes the program's tables, and which windows-check checks against Windows' answers.
code-pages: windows-configure
	@cmake --build $(WINDOWS_DIR) --target windows_answers
	@scripts/windows-code-pages /usr/lib/wine/wine64 $(abspath $(WINDOWS_DIR))/tests/wine \
		$(WINDOWS_DIR)/tests/win32/windows_answers.exe core/code-pages

# A benchmark, never a test: start-up to the shown window, the Windows program under Wine against
# the Qt program, on one display in the same run.
windows-bench: windows-configure
	@cmake --build $(WINDOWS_DIR) --target hex-converter bare-window
	@sh tests/win32/run-in-wine /usr/lib/wine/wine64 $(abspath $(WINDOWS_DIR))/tests/wine --display --script \
		bench/windows-startup-bench $(WINDOWS_DIR)/bare-window.exe $(WINDOWS_DIR)/hex-converter.exe

# The browser's program, built with Emscripten: $(WEB_DIR)/web/site is a static folder that any
# web server can serve. web-check also runs the core's and Form1's tests under Node.js and the
# page in headless Chromium.
WEB_DIR ?= build-web
WEB_DEPS = emscripten googletest chromium chromium-driver python3-selenium
WEB_PORT ?= 8080

web-configure:
	@scripts/install-deps $(WEB_DEPS)
	@emcmake cmake -S . -B $(WEB_DIR) -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel \
		-DHEXCONV_GTEST_SOURCE=/usr/src/googletest \
		-DCMAKE_CROSSCOMPILING_EMULATOR="$$(command -v node);--no-experimental-fetch" >/dev/null

web: web-configure
	@cmake --build $(WEB_DIR) --target hex-converter web_zip
	@ls -l $(WEB_DIR)/web/site $(WEB_DIR)/hex-converter-*-web.zip

web-run: web
	@echo "Hex Converter is at http://127.0.0.1:$(WEB_PORT)/ (Ctrl+C ends it)"
	@/usr/bin/python3 -m http.server $(WEB_PORT) --bind 127.0.0.1 --directory $(WEB_DIR)/web/site

web-check: web-configure
	@cmake --build $(WEB_DIR)
	@scripts/lint --web $(WEB_DIR)
	@ctest --test-dir $(WEB_DIR) --output-on-failure

# A benchmark, never a test: the page's first interactive frame against plain HTML.
web-bench: web
	@bench/web-startup-bench $(WEB_DIR)/web/site

clean:
	@rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR) $(WINDOWS_DIR) $(WEB_DIR) $(REPRO_DIR)
