#!/usr/bin/env bash
# Builds the fuzz targets with clang in build-fuzz/ and runs each for a set
# time over its committed corpus (fuzz/corpus/<target>, read only; new inputs
# go to build-fuzz/corpus/<target>). Prints the executions and the outcome per
# target; a finding is kept in build-fuzz/findings/<target>/ and fails the run.
#   fuzz/run.sh SECONDS [TARGET...]      (all targets when none is named)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(fuzz_field_reader fuzz_line_reader fuzz_formula_parser fuzz_calculator fuzz_transfer
           fuzz_formula_material fuzz_coefficient_material fuzz_mole_material fuzz_reaction_material)
fi

build=build-fuzz
launcher=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR=$PWD
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
  -DCHEMDRILL_FUZZ=ON "${launcher[@]}" >/dev/null
cmake --build "$build" -j "${JOBS:-2}" --target "${targets[@]}"

# The dictionary each target's mutations draw on.
dictionary() {
  case $1 in
    fuzz_field_reader | fuzz_line_reader) echo fuzz/dict/fields.dict ;;
    fuzz_formula_parser) echo fuzz/dict/formula_parser.dict ;;
    fuzz_transfer) echo fuzz/dict/transfer.dict ;;
    fuzz_*_material) echo fuzz/dict/material.dict ;;
  esac
}

# A few hundred key presses reach every state of the calculator; longer
# inputs only slow each run.
max_len() {
  case $1 in
    fuzz_calculator) echo 256 ;;
  esac
}

failed=0
summary=()
for t in "${targets[@]}"; do
  work=$build/corpus/$t
  findings=$build/findings/$t
  mkdir -p "$work" "$findings" "fuzz/corpus/$t"
  options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
           -artifact_prefix="$findings/")
  dict=$(dictionary "$t")
  [ -n "$dict" ] && options+=(-dict="$dict")
  len=$(max_len "$t")
  [ -n "$len" ] && options+=(-max_len="$len")
  log=$build/$t.log
  echo "fuzz: $t for ${seconds}s"
  if "$build/$t" "${options[@]}" "$work" "fuzz/corpus/$t" >"$log" 2>&1; then
    outcome=clean
  else
    outcome="FINDING (see $log and $findings/)"
    failed=1
    grep -E '^FINDING|^SUMMARY|ERROR: ' "$log" | head -5 || true
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  took=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -1)
  summary+=("$(printf '%-28s %10s execs %5s s  %s' "$t" "${runs:-?}" "${took:-?}" "$outcome")")
done

echo
printf '%s\n' "${summary[@]}"
exit $failed
