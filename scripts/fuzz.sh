#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, ASan + UBSan) into build-fuzz/ and runs
# each for a while on a corpus seeded from the test fixtures.
#   bash scripts/fuzz.sh [SECONDS] [fuzz_target ...]    default: 10 s, every target
# A crash, leak, timeout or sanitizer report stops the run with a non-zero exit;
# the input that caused it is kept in build-fuzz/findings/. The per-input
# timeout is generous: the analyser target also runs the slow full-scan reference.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh clang libclang-rt-14-dev
secs=${1:-10}
shift || true
dir=${VEK_FUZZ_DIR:-build-fuzz}
CXX=clang++ cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEK_FUZZ=ON \
  -DVEK_BUILD_GUI=ON -DVEK_BUILD_BENCH=OFF >/dev/null
cmake --build "$dir" -j"$(nproc)" --target fuzz_all vek-lexicon >/dev/null

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  mapfile -t targets < <(find "$dir/fuzz" -maxdepth 1 -type f -perm -u+x -name "fuzz_*" -printf "%f\n" | sort)
fi

# One input per file: fixture files as they are, words of the test sentences one each.
seed() {
  local target=$1 corpus=$2
  case $target in
    fuzz_lexicon_tsv) cp wordbank/tests/fixtures/*.tsv datafile/tests/fixtures/sample.tsv "$corpus"/ ;;
    fuzz_rules) cp rules/tests/fixtures/sample.rules "$corpus"/ ;;
    fuzz_rtf) cp rtf/tests/fixtures/*.rtf "$corpus"/ ;;
    fuzz_userdict) cp datafile/tests/fixtures/userdict_load.txt "$corpus"/ ;;
    fuzz_datafile)
      "$dir/bin/vek-lexicon" import datafile/tests/fixtures/sample.tsv "$corpus/sample.klx" >/dev/null ;;
    fuzz_lessons)
      cmake --build "$dir" --target lessons_klx >/dev/null 2>&1 || true
      [ -f "$dir/bin/lessons.klx" ] && /usr/bin/python3 -c 'import sys; sys.path.insert(0, "course/tests")
import read_lessons; open(sys.argv[2], "wb").write(read_lessons.decrypt(open(sys.argv[1], "rb").read()))' \
        "$dir/bin/lessons.klx" "$corpus/shipped" ;;
    fuzz_parseword)
      tr -s ' \t.,?!"' '\n' < data/tests/sentences.txt | grep -v '^#' | sort -u | head -n 300 |
        split -l 1 - "$corpus/word-" ;;
  esac
}

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
mkdir -p "$dir/findings"
for t in "${targets[@]}"; do
  corpus="$dir/corpus/$t"
  if [ ! -d "$corpus" ]; then
    mkdir -p "$corpus"
    seed "$t" "$corpus"
  fi
  log="$dir/findings/$t.log"
  if ! "$dir/fuzz/$t" -max_total_time="$secs" -timeout=60 -rss_limit_mb=2048 -print_final_stats=1 \
       -artifact_prefix="$dir/findings/$t-" "$corpus" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$t: FAILED (input kept in $dir/findings/)"
    exit 1
  fi
  runs=$(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$')
  rate=$(grep -m1 -o 'stat::average_exec_per_sec: *[0-9]*' "$log" | grep -o '[0-9]*$')
  echo "$t: ${runs:-?} runs in ${secs} s (${rate:-?}/s), corpus $(ls "$corpus" | wc -l) inputs"
done
