#!/usr/bin/env bash
# Sets up, builds and runs Sinuvia on Debian 12.
#   scripts/sinuvia.sh run    install what is missing, build, start the program
#   scripts/sinuvia.sh test   install what is missing, build, run every test
#   scripts/sinuvia.sh bench  install what is missing, build, run the benchmarks
#   scripts/sinuvia.sh package  install what is missing, build the Debian
#                             package (build/sinuvia_VERSION_ARCH.deb)
#   scripts/sinuvia.sh captures  install what is missing (and the fr_FR.UTF-8
#                             locale), build, retake the screenshots under Xvfb
#                             (into docs/, or DOCS_DIR)
#   scripts/sinuvia.sh fuzz [SECONDS]
#                             install clang if missing, build the fuzz targets of
#                             the core in build-fuzz/ and run each for SECONDS (60)
# Optional: BUILD_DIR (default: build) and extra CMake arguments in CMAKE_ARGS.
set -euo pipefail

mode=${1:-run}
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BUILD_DIR:-$top/build}

packages=(g++ cmake ninja-build qt6-base-dev libgl-dev libgtest-dev libbenchmark-dev fonts-liberation
          qt6-svg-dev qt6-translations-l10n dpkg-dev file desktop-file-utils appstream shared-mime-info
          pkgconf libsndfile1-dev qt6-multimedia-dev)
# libFuzzer comes with clang's runtime libraries.
[ "$mode" = fuzz ] && packages+=(clang libclang-rt-14-dev)
# The listening test starts a sound server of its own and records it.
[ "$mode" = test ] && packages+=(pulseaudio pulseaudio-utils)
# The screenshots: the program under Xvfb, driven by xdotool, in French.
[ "$mode" = captures ] && packages+=(xvfb xauth xdotool imagemagick locales)

# Installing needs root: root itself, or anyone else through sudo.
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
can_install() { [ ${#sudo[@]} -eq 0 ] || command -v sudo >/dev/null 2>&1; }

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    install=(apt-get install -y --no-install-recommends "${missing[@]}")
    if ! can_install; then
        echo "Missing packages: ${missing[*]}" >&2
        echo "Install them as root, then run this script again:" >&2
        echo "  apt-get update && ${install[*]}" >&2
        exit 1
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" "${install[@]}"
fi
if [ "$mode" = captures ] && ! locale -a | grep -qix 'fr_FR.utf8'; then
    can_install || { echo "the fr_FR.UTF-8 locale is missing (see the README)" >&2; exit 1; }
    echo "Generating the fr_FR.UTF-8 locale"
    "${sudo[@]}" sed -i 's/^# *fr_FR.UTF-8 UTF-8/fr_FR.UTF-8 UTF-8/' /etc/locale.gen
    "${sudo[@]}" locale-gen
fi

# Fuzz targets: the Qt-free core and one target each, built with clang under
# AddressSanitizer and UndefinedBehaviorSanitizer. New inputs go to
# build-fuzz/corpus_<target>/, crashes to build-fuzz/crash-*; the seed corpus
# in tests/fuzz/corpus/<target>/ is only read.
fuzz() {
    local seconds=${1:-60} dir=$top/build-fuzz target
    mkdir -p "$dir"
    shopt -s nullglob
    local core=("$top"/signal/calcul/*.cpp "$top"/signal/fft/*.cpp "$top"/app/commun.cpp "$top"/app/nombres.cpp)
    # The measured data's core: mesures/ but the dialog and the window's side.
    local f
    for f in "$top"/mesures/*.cpp; do
        case "$(basename "$f")" in choix_*|ouverture_*) ;; *) core+=("$f") ;; esac
    done
    local targets=(psim valeur_texte texte periode)
    for target in "${targets[@]}"; do
        echo "== fuzz_$target: building"
        clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
            -I"$top" "${core[@]}" "$top/tests/fuzz/fuzz_$target.cpp" -o "$dir/fuzz_$target" $(pkg-config --libs sndfile)
    done
    for target in "${targets[@]}"; do
        echo "== fuzz_$target: $seconds s"
        mkdir -p "$dir/corpus_$target"
        "$dir/fuzz_$target" -max_total_time="$seconds" -max_len=8192 -print_final_stats=1 \
            -artifact_prefix="$dir/" "$dir/corpus_$target" "$top/tests/fuzz/corpus/$target"
    done
}
if [ "$mode" = fuzz ]; then
    fuzz "${2:-60}"
    exit 0
fi

# shellcheck disable=SC2086
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo ${CMAKE_ARGS:-} >/dev/null

case "$mode" in
run)   cmake --build "$build" --target sinuvia
       exec "$build/sinuvia" ;;
test)  cmake --build "$build"
       ctest --test-dir "$build" --output-on-failure -j "$(nproc)" ;;
captures)
       cmake --build "$build" --target sinuvia
       BUILD_DIR=$build bash "$top/scripts/captures.sh" ;;
bench) cmake --build "$build"
       exec "$build/bench/sinuvia_bench" ;;
package)
       # The program and its icons; dpkg-shlibdeps computes the library
       # dependencies. The package lands in the build folder.
       cmake --build "$build" --target sinuvia sinuvia_icons
       (cd "$build" && cpack -G DEB)
       ls "$build"/sinuvia_*.deb ;;
*)     echo "usage: $0 run|test|bench|package|captures|fuzz [seconds]" >&2; exit 2 ;;
esac
