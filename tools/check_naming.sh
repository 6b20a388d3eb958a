#!/usr/bin/env bash
# Checks the naming rules of .clang-tidy over every file a build compiles (its
# compile_commands.json): tools/check_naming.sh <build directory>. Fails on the first finding.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
jobs=${QF95_JOBS:-2}
if ! command -v run-clang-tidy > /dev/null; then
  echo "run-clang-tidy is missing: tools/install_deps.sh installs clang-tidy" >&2
  exit 1
fi
out=$(mktemp)
trap 'rm -f "$out"' EXIT
# run-clang-tidy's own status does not tell findings from a clean run on every version.
# The compiler's own warnings are the build's to report (-Werror there).
run-clang-tidy -p "$build" -j "$jobs" -quiet -extra-arg=-w "$PWD/(src|tools|tests|bench|fuzz)/" > "$out" 2>&1 || true
if grep -E "(warning|error): " "$out" | grep -v "warnings generated" | sort -u | grep .; then
  echo "naming: the findings above break the rules in .clang-tidy (see CONTRIBUTING.md)" >&2
  exit 1
fi
echo "naming: every name follows .clang-tidy"
