#!/usr/bin/env bash
# The one entry point: setup | build | run | test | bench | dist | fuzz
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
BUILD=$ROOT/build
NATIVE=$BUILD/native
WIN32=$BUILD/win32
FUZZ=$BUILD/fuzz
DEPS=$BUILD/deps
JPEG_PREFIX=$DEPS/libjpeg-turbo-mingw
MPG123_PREFIX=$DEPS/mpg123-mingw

export WINEPREFIX=$BUILD/wineprefix WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

NATIVE_PACKAGES=(g++ cmake ninja-build make python3 zip locales dpkg-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev zlib1g-dev libjpeg-dev libstb-dev libmpg123-dev tango-icon-theme
  clang libclang-rt-14-dev)
WIN_PACKAGES=(g++-mingw-w64-i686-win32 mingw-w64-tools libz-mingw-w64-dev nasm doctest-dev nsis)
WINE_PACKAGES=(wine wine32:i386 wine64 fonts-wine fonts-liberation
  xvfb xauth xcompmgr x11-xserver-utils x11-apps xdotool imagemagick)

say() { printf '\033[1m==> %s\033[0m\n' "$*"; }
die() { printf 'make.sh: %s\n' "$*" >&2; exit 1; }

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

# ---------------------------------------------------------------- setup

missing_packages() {
  local pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}\n' "$pkg" 2>/dev/null | grep -q 'install ok installed' || echo "$pkg"
  done
}

enable_sources() {
  # i386 for 32-bit Wine; deb-src for the libjpeg-turbo source package.
  local changed=0
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386; changed=1
  fi
  if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && ! grep -rqs '^deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    local list=/etc/apt/sources.list.d/debian.sources
    if [ -f "$list" ]; then
      sed 's/^Types: deb$/Types: deb-src/' "$list" | as_root tee /etc/apt/sources.list.d/tikolvo-src.sources >/dev/null
    elif grep -qs '^deb ' /etc/apt/sources.list; then
      sed -n 's/^deb /deb-src /p' /etc/apt/sources.list | as_root tee /etc/apt/sources.list.d/tikolvo-src.list >/dev/null
    else
      die "no Debian package source to derive a deb-src entry from"
    fi
    changed=1
  fi
  return $changed
}

# A mirror caught mid-sync fails one index file now and then; try again, and
# go on with the indexes that did arrive rather than stop the whole setup.
update_package_lists() {
  local attempt
  for attempt in 1 2 3; do
    as_root apt-get update -qq && return 0
    sleep $((attempt * 10))
  done
  echo "warning: apt-get update kept failing; going on with the package lists it has" >&2
}

install_packages() {
  local missing
  missing=$(missing_packages "${NATIVE_PACKAGES[@]}" "${WIN_PACKAGES[@]}" "${WINE_PACKAGES[@]}")
  local sources_changed=0
  enable_sources || sources_changed=1
  [ -z "$missing" ] && [ $sources_changed -eq 0 ] && return 0
  say "installing packages: $(echo $missing | tr '\n' ' ')"
  update_package_lists
  [ -n "$missing" ] && DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends $missing >/dev/null
  return 0
}

ensure_locale() {
  # Wine takes its user locale from LC_ALL; the program's users run Russian.
  locale -a 2>/dev/null | grep -qix 'ru_RU.utf8' && return 0
  say "generating the ru_RU.UTF-8 locale"
  as_root localedef -i ru_RU -f UTF-8 ru_RU.UTF-8
}

build_libjpeg() {
  [ -f "$JPEG_PREFIX/lib/libjpeg.a" ] && return 0
  say "building libjpeg-turbo for MinGW from Debian's source package"
  local work=$DEPS/libjpeg-turbo-src
  rm -rf "$work" && mkdir -p "$work"
  (cd "$work" && apt-get source --download-only -qq libjpeg-turbo >/dev/null 2>&1) \
    || { update_package_lists; (cd "$work" && apt-get source --download-only -qq libjpeg-turbo >/dev/null 2>&1); }
  local dsc
  dsc=$(ls "$work"/libjpeg-turbo_*.dsc | head -n 1)
  (cd "$work" && dpkg-source -x "$(basename "$dsc")" src >/dev/null 2>&1)
  cmake -S "$work/src" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF \
    -DWITH_SIMD=ON -DCMAKE_INSTALL_PREFIX="$JPEG_PREFIX" >"$work/configure.log" 2>&1 \
    || die "libjpeg-turbo configure failed (see $work/configure.log)"
  cmake --build "$work/build" --target install >"$work/build.log" 2>&1 \
    || die "libjpeg-turbo build failed (see $work/build.log)"
}

build_mpg123() {
  # MP3 decoding in the exe: only the library, plain C (runs on any XP-era CPU).
  [ -f "$MPG123_PREFIX/lib/libmpg123.a" ] && return 0
  say "building libmpg123 for MinGW from Debian's source package"
  local work=$DEPS/mpg123-src
  rm -rf "$work" && mkdir -p "$work"
  # apt-get source may fail on a missing signature file after the tarballs arrived.
  (cd "$work" && apt-get source --download-only -qq mpg123 >/dev/null 2>&1 || true)
  ls "$work"/mpg123_*.dsc >/dev/null 2>&1 || die "could not download the mpg123 source package"
  (cd "$work" && dpkg-source --no-check -x "$(basename "$(ls "$work"/mpg123_*.dsc | head -n 1)")" src >/dev/null 2>&1)
  (cd "$work/src" && ./configure --host=i686-w64-mingw32 CC=i686-w64-mingw32-gcc-win32 \
      --prefix="$MPG123_PREFIX" --enable-static --disable-shared --disable-modules \
      --with-cpu=generic_fpu --disable-network --with-audio=dummy --with-default-audio=dummy \
      >"$work/configure.log" 2>&1) || die "mpg123 configure failed (see $work/configure.log)"
  (cd "$work/src" && make -j2 src/libmpg123/libmpg123.la >"$work/build.log" 2>&1) \
    || die "mpg123 build failed (see $work/build.log)"
  install -D -m644 "$work/src/src/libmpg123/.libs/libmpg123.a" "$MPG123_PREFIX/lib/libmpg123.a"
  install -D -m644 "$work/src/src/libmpg123/mpg123.h" "$MPG123_PREFIX/include/mpg123.h"
  install -D -m644 "$work/src/src/libmpg123/fmt123.h" "$MPG123_PREFIX/include/fmt123.h"
}

ensure_wineprefix() {
  [ -f "$WINEPREFIX/system.reg" ] && return 0
  say "creating the 32-bit Wine prefix"
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w
  [ -f "$WINEPREFIX/system.reg" ] || die "wineboot did not create $WINEPREFIX"
}

cmd_setup() {
  install_packages
  ensure_locale
  mkdir -p "$DEPS"
  build_libjpeg
  build_mpg123
  ensure_wineprefix
}

# ---------------------------------------------------------------- build

quietly() { # log file, command...: the log is shown only when the command fails
  local log=$1; shift
  mkdir -p "$(dirname "$log")"
  "$@" >"$log" 2>&1 || { tail -n 60 "$log"; die "failed: $* (full log: $log)"; }
}

configure() { # dir, extra cmake args...
  local dir=$1; shift
  cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
}

cmd_build() {
  configure "$NATIVE"
  configure "$WIN32" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" -DTIKOLVO_JPEG_PREFIX="$JPEG_PREFIX" -DTIKOLVO_MPG123_PREFIX="$MPG123_PREFIX" \
    -DTIKOLVO_HOST_TOOLS="$NATIVE"
  say "building native (core, unit tests, tools)"
  quietly "$BUILD/build-native.log" cmake --build "$NATIVE"
  say "building win32 (Tikolvo.exe)"
  quietly "$BUILD/build-win32.log" cmake --build "$WIN32"
}

build_fuzz() {
  [ -f "$FUZZ/build.ninja" ] || CC=clang CXX=clang++ cmake -S "$ROOT" -B "$FUZZ" -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTIKOLVO_FUZZ=ON >/dev/null
  cmake --build "$FUZZ"
}

# ---------------------------------------------------------------- dist

lay_out_program() { # destination folder: exe plus the shipped plug\ and skins\ content
  local dest=$1
  mkdir -p "$dest/plug" "$dest/skins"
  cp "$WIN32/Tikolvo.exe" "$dest/"
  if [ -d "$ROOT/dist" ]; then cp -r "$ROOT/dist/." "$dest/"; fi
  local generated
  for generated in "$WIN32"/dist/*; do [ -e "$generated" ] && cp -r "$generated" "$dest/"; done
  return 0
}

program_version() { # the exe's own version, from its resource script
  sed -n 's/^ *VALUE "FileVersion", "\([0-9.]*\)".*/\1/p' "$ROOT/res/Tikolvo.rc"
}

cmd_dist() {
  cmd_build
  command -v makensis >/dev/null || install_packages
  local out=$BUILD/dist version
  version=$(program_version)
  rm -rf "$out" && mkdir -p "$out"
  lay_out_program "$out/Tikolvo"
  # What a user downloads carries no symbols; the build's exe keeps them.
  i686-w64-mingw32-strip "$out/Tikolvo/Tikolvo.exe"
  (cd "$out" && zip -qr Tikolvo.zip Tikolvo)
  "$ROOT/installer/build_installer.sh" "$out/Tikolvo" "$out/Tikolvo-$version-setup.exe" "$version"
  say "laid out $out/Tikolvo, $out/Tikolvo.zip and $out/Tikolvo-$version-setup.exe"
}

# ---------------------------------------------------------------- virtual display

XVFB_PID="" COMPMGR_PID="" DISPLAY_NUM=""

start_display() {
  # A number may look free here yet be held elsewhere (another file-system
  # view of the same machine); then Xvfb exits at once and the next is tried.
  local n i
  for n in $(seq 90 130); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    for i in $(seq 200); do
      [ -S "/tmp/.X11-unix/X$n" ] && break
      kill -0 "$XVFB_PID" 2>/dev/null || break
      sleep 0.05
    done
    if [ -S "/tmp/.X11-unix/X$n" ] && kill -0 "$XVFB_PID" 2>/dev/null; then
      DISPLAY_NUM=$n
      export DISPLAY=":$n"
      # Layered windows show black without a compositing manager.
      xcompmgr >/dev/null 2>&1 &
      COMPMGR_PID=$!
      return 0
    fi
    kill "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=""
  done
  die "could not start Xvfb on any display from :90 to :130"
}

stop_display() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "$COMPMGR_PID" ] && kill "$COMPMGR_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && wait "$XVFB_PID" 2>/dev/null || true
  XVFB_PID="" COMPMGR_PID=""
}

# ---------------------------------------------------------------- run

close_program() {
  # Closing the window lets the program save its settings like a user's close.
  [ -f "$WIN32/probe.exe" ] || return 0
  wine "$WIN32/probe.exe" close TMainForm >/dev/null 2>&1 || return 0
  wine "$WIN32/probe.exe" waitgone TMainForm 10 >/dev/null 2>&1 || true
}

cmd_run() {
  cmd_setup
  cmd_build
  local folder=$BUILD/run/Tikolvo
  lay_out_program "$folder"
  trap 'close_program; stop_display; exit 130' INT TERM
  if [ -n "${DISPLAY:-}" ]; then
    say "starting Tikolvo on $DISPLAY (Ctrl-C ends it)"
    (cd "$folder" && LC_ALL=ru_RU.UTF-8 wine ./Tikolvo.exe) || true
    wineserver -k >/dev/null 2>&1 || true
    return 0
  fi
  start_display
  trap 'close_program; stop_display; exit 130' INT TERM
  trap 'close_program; stop_display' EXIT
  wineserver -p >/dev/null 2>&1 || true  # one may run already (an earlier test run)
  (cd "$folder" && exec env LC_ALL=ru_RU.UTF-8 wine ./Tikolvo.exe) >/dev/null 2>&1 &
  local program=$!
  if [ -f "$WIN32/probe.exe" ]; then
    wine "$WIN32/probe.exe" wait TMainForm 30 >/dev/null 2>&1 || true
  fi
  sleep 1.5
  import -window root "$BUILD/run/screenshot.png"
  say "screenshot: $BUILD/run/screenshot.png"
  if [ -t 0 ]; then
    say "Tikolvo runs in the virtual display $DISPLAY; Ctrl-C ends it"
    wait "$program" || true
  fi
}

# ---------------------------------------------------------------- test

PASSED=0 FAILED=0 STAGES=()

record() { # stage name, passed count, failed count
  PASSED=$((PASSED + $2)); FAILED=$((FAILED + $3))
  if [ "$3" -eq 0 ]; then STAGES+=("ok    $1 ($2 passed)"); else STAGES+=("FAIL  $1 ($3 of $(( $2 + $3 )) failed)"); fi
}

test_unit() {
  say "native unit tests"
  local log=$BUILD/unit.log
  if (cd "$NATIVE" && ctest --output-on-failure -j2 2>&1 | tee "$log" | grep -E 'tests passed|tests failed|\*\*\*Failed|Failed  ' ); then :; fi
  local total failed
  total=$(grep -oE 'out of [0-9]+' "$log" | tail -n 1 | grep -oE '[0-9]+' || echo 0)
  failed=$(grep -oE '[0-9]+ tests failed' "$log" | tail -n 1 | grep -oE '^[0-9]+' || echo 0)
  [ -n "$total" ] || total=0
  [ "$total" -gt 0 ] || failed=1
  record "native unit tests" $((total - failed)) "$failed"
}

make_fuzz_seeds() { # every target's starting corpus, made fresh in $FUZZ/seeds/<target>/
  local seeds=$FUZZ/seeds tools=(make_fuzz_seeds make_skins tks_pack make_sounds sound_bank_pack)
  [ -f "$NATIVE/build.ninja" ] || configure "$NATIVE"
  cmake --build "$NATIVE" --target "${tools[@]}"
  rm -rf "$seeds" && mkdir -p "$seeds"
  "$NATIVE/make_fuzz_seeds" --assets "$ROOT/assets" --fixtures "$ROOT/tests/audio/fixtures" "$seeds"
  # The shipped skins, the built-in sounds and their bank, made by the
  # build's own tools; the sound fixtures; a picture as a compressed resource.
  "$NATIVE/make_skins" --assets "$ROOT/assets" --packer "$NATIVE/tks_pack" "$seeds/skins"
  "$NATIVE/make_sounds" "$ROOT/assets/sounds" "$seeds/sounds"
  mkdir -p "$seeds/skin_archive_fuzz" "$seeds/skin_read_fuzz"
  cp "$seeds"/skins/*.tks "$seeds/skin_archive_fuzz/"
  cp "$seeds"/skins/*.tks "$seeds/skin_read_fuzz/"
  local wav members=()
  for wav in "$seeds"/sounds/*.wav; do members+=("$(basename "$wav" | grep -oE '^[0-9]+')=$wav"); done
  "$NATIVE/sound_bank_pack" "$seeds/skin_archive_fuzz/music.res" "${members[@]}"
  python3 "$ROOT/tools/zlib_resource.py" "$seeds/bmp_fuzz/24bit_c0_h40.bmp" "$seeds/skin_archive_fuzz/picture.ress"
  cp "$seeds"/sounds/*.wav "$seeds/wav_fuzz/"
  cp "$seeds"/sounds/*.wav "$ROOT"/tests/audio/fixtures/*.mp3 "$ROOT"/tests/audio/fixtures/*.ogg "$seeds/audio_decode_fuzz/"
  rm -rf "$seeds/skins" "$seeds/sounds"
}

fuzz_one() { # target, seconds, extra libFuzzer options...: one run from the seeds and what earlier runs found
  local target=$1 seconds=$2 name
  shift 2
  name=$(basename "$target")
  mkdir -p "$FUZZ/corpus/$name"
  local corpora=("$FUZZ/corpus/$name")
  [ -d "$ROOT/tests/fuzz/seeds/$name" ] && corpora+=("$ROOT/tests/fuzz/seeds/$name")
  [ -d "$FUZZ/seeds/$name" ] && corpora+=("$FUZZ/seeds/$name")
  if "$target" -max_total_time="$seconds" "$@" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      "${corpora[@]}" >"$FUZZ/$name.log" 2>&1; then
    printf '  %-24s %10s runs, %s in the corpus\n' "$name" \
      "$(grep -oE 'stat::number_of_executed_units: *[0-9]+' "$FUZZ/$name.log" | grep -oE '[0-9]+$' || echo 0)" \
      "$(ls "$FUZZ/corpus/$name" | wc -l)"
  else
    echo "  $name: FAILED (see $FUZZ/$name.log)"; tail -n 20 "$FUZZ/$name.log"
    return 1
  fi
}

# seconds per target, stage name[, executions per target]: every target,
# FUZZ_JOBS of them at a time (one unless told).
run_fuzzers() {
  local seconds=$1 stage=$2 limit=() jobs=${FUZZ_JOBS:-1}
  [ -n "${3:-}" ] && limit=(-runs="$3")
  build_fuzz >"$BUILD/fuzz-build.log" 2>&1 || { tail -n 30 "$BUILD/fuzz-build.log"; record "fuzz build" 0 1; return; }
  make_fuzz_seeds >"$BUILD/fuzz-seeds.log" 2>&1 || { tail -n 30 "$BUILD/fuzz-seeds.log"; record "fuzz seeds" 0 1; return; }
  local target ok=0 bad=0 running=0
  for target in "$FUZZ"/*_fuzz; do
    [ -x "$target" ] || continue
    if [ "$running" -ge "$jobs" ]; then
      if wait -n; then ok=$((ok + 1)); else bad=$((bad + 1)); fi
      running=$((running - 1))
    fi
    fuzz_one "$target" "$seconds" "${limit[@]}" &
    running=$((running + 1))
  done
  while [ "$running" -gt 0 ]; do
    if wait -n; then ok=$((ok + 1)); else bad=$((bad + 1)); fi
    running=$((running - 1))
  done
  record "$stage" $ok $bad
}

test_fuzz() {
  say "fuzz smoke runs"
  run_fuzzers "${FUZZ_SECONDS:-10}" "fuzz smoke runs"
}

# make.sh fuzz [SECONDS]: a long run of every target, until it has run a
# million inputs or for SECONDS (30 minutes unless told), whichever comes
# first; the counts of executions tell whether each went deep enough.
# FUZZ_JOBS=N runs N targets at once.
cmd_fuzz() {
  local seconds=${1:-1800}
  [[ $seconds =~ ^[0-9]+$ ]] || die "usage: $0 fuzz [SECONDS per target]"
  cmd_setup
  say "long fuzz runs: 10^6 executions or $seconds s per target"
  run_fuzzers "$seconds" "long fuzz runs" "${FUZZ_RUNS:-1000000}"
  printf '  %s\n' "${STAGES[@]}"
  [ "$FAILED" -eq 0 ]
}

test_imports() {
  say "import table: nothing newer than Windows XP"
  if "$ROOT/tests/imports/check_imports.sh" "$WIN32/Tikolvo.exe"; then record "XP import check" 1 0; else record "XP import check" 0 1; fi
}

test_wine() {
  say "end-to-end tests under Wine"
  trap stop_display EXIT
  start_display
  wineserver -p >/dev/null 2>&1 || true  # one may run already (an earlier test run)
  export SCREENS_DIR=$BUILD/screens TIKOLVO_SKINS_DIR=$WIN32/generated/skins
  mkdir -p "$SCREENS_DIR"
  if [ -f "$WIN32/win_tests.exe" ]; then
    local log=$BUILD/win_tests.log
    if (cd "$WIN32" && LC_ALL=ru_RU.UTF-8 wine ./win_tests.exe >"$log" 2>&1); then
      record "Win32-side tests" "$(doctest_count passed "$log")" 0
    else
      cat "$log"; record "Win32-side tests" "$(doctest_count passed "$log")" "$(doctest_count failed "$log" 1)"
    fi
    grep -E 'test cases:' "$log" || true
  fi
  local log=$BUILD/e2e.log
  if TIKOLVO_EXE=$WIN32/Tikolvo.exe PROBE_EXE=$WIN32/probe.exe python3 "$ROOT/tests/e2e/run_e2e.py" 2>&1 | tee "$log"; then :; fi
  local line
  line=$(grep -E '^[0-9]+ passed, [0-9]+ failed' "$log" | tail -n 1)
  if [ -n "$line" ]; then
    record "end-to-end tests" "$(echo "$line" | cut -d' ' -f1)" "$(echo "$line" | cut -d' ' -f3)"
  else
    record "end-to-end tests" 0 1
  fi
  stop_display
  trap - EXIT
}

doctest_count() { # passed|failed, log, fallback
  local n
  n=$(grep -E 'test cases:' "$2" | grep -oE "[0-9]+ $1" | grep -oE '^[0-9]+' | tail -n 1)
  echo "${n:-${3:-0}}"
}

cmd_test() {
  local started=$SECONDS
  cmd_setup
  cmd_build
  test_unit
  test_fuzz
  test_imports
  test_wine
  echo
  say "summary ($((SECONDS - started)) s)"
  printf '  %s\n' "${STAGES[@]}"
  echo "total: $PASSED passed, $FAILED failed"
  [ "$FAILED" -eq 0 ]
}

# ---------------------------------------------------------------- bench

cmd_bench() {
  cmd_setup
  cmd_build
  export TIKOLVO_BENCH_SKIN=$WIN32/generated/skins/default.tks
  local bench found=0
  for bench in "$NATIVE"/*_bench; do
    [ -x "$bench" ] || continue
    found=1
    say "$(basename "$bench")"
    "$bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
  done
  [ $found -eq 1 ] || say "no benchmarks yet"
  for bench in "$WIN32"/*_timing.exe; do
    [ -f "$bench" ] || continue
    say "$(basename "$bench") under Wine"
    wine "$bench"
  done
  bench_footprint
}

# The running clock beside the floor clock in one display and prefix: idle
# CPU, resident memory and start time as medians of several rounds
# (FOOTPRINT_ROUNDS, FOOTPRINT_SECONDS of idle window each).
bench_footprint() {
  say "footprint against the floor clock under Wine"
  trap stop_display EXIT
  start_display
  wineserver -p >/dev/null 2>&1 || true
  python3 "$ROOT/bench/footprint.py" "$WIN32/Tikolvo.exe" "$WIN32/dist" "$WIN32/floor_clock.exe" "$WIN32/probe.exe"
  stop_display
  trap - EXIT
}

case "${1:-}" in
  setup) cmd_setup ;;
  build) cmd_build ;;
  run) cmd_run ;;
  test) cmd_test ;;
  bench) cmd_bench ;;
  dist) cmd_dist ;;
  fuzz) cmd_fuzz "${2:-}" ;;
  *) echo "usage: $0 setup|build|run|test|bench|dist|fuzz [SECONDS]" >&2; exit 2 ;;
esac
