#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the fuzz targets with clang and runs each for a bounded time, seeded with the game's
# own pictures, glyphs and icons. Fails on any crash, leak, timeout or sanitizer report.
# Usage: fuzz/run.sh SECONDS   (the total; the JPEG loader gets half of it, the bitmap and icon
#                               decoders and the journey file's reader a quarter each)
set -euo pipefail
seconds="${1:-60}"
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "${here}/.." && pwd)"
build="${root}/build/fuzz"

cmake -S "${here}" -B "${build}" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
cmake --build "${build}"

# Seeds: the committed files; findings go into a corpus kept between runs.
seeds="${build}/seeds"
rm -rf "${seeds}"
mkdir -p "${seeds}/jpeg" "${seeds}/bitmap" "${seeds}/journey" "${build}/corpus/jpeg" \
  "${build}/corpus/bitmap" "${build}/corpus/journey"
cp "${root}"/resources/pictures/*.jpg "${seeds}/jpeg/"
for file in "${root}"/resources/{glyphs,kinds,listicons}/*.bmp "${root}"/resources/icons/mainicon.ico; do
  cp "${file}" "${seeds}/bitmap/$(basename "$(dirname "${file}")")-$(basename "${file}")"
done

cp "${root}"/fuzz/journey-seeds/*.json "${seeds}/journey/"

run() {
  local name="$1" time="$2"
  shift 2
  echo "fuzzing ${name} for ${time} s" >&2
  (cd "${build}" && ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "./tp_${name}_fuzzer" -max_total_time="${time}" -timeout=10 -rss_limit_mb=2048 \
    -max_len=65536 -print_final_stats=1 "$@" "corpus/${name}" "seeds/${name}")
}

jpeg_time=$(( seconds / 2 ))
(( jpeg_time >= 1 )) || jpeg_time=1
bitmap_time=$(( seconds / 4 ))
(( bitmap_time >= 1 )) || bitmap_time=1
journey_time=$(( seconds - jpeg_time - bitmap_time ))
(( journey_time >= 1 )) || journey_time=1
run jpeg "${jpeg_time}"
run bitmap "${bitmap_time}"
run journey "${journey_time}" -dict="${root}/fuzz/journey.dict"
echo "fuzzing found nothing" >&2
