#!/usr/bin/env bash
# Installs a built tree into a temporary prefix and uses it as a programmer outside the project
# would: the prefix is moved elsewhere first (nothing may point back to the build tree or to the
# old place), then the outside program in tests/install/ is built once through the CMake
# package (asking for its component) and once through pkg-config, and each run must write its
# PNG; a component that is unknown or not installed must fail the package, naming it.  Also
# checks that the tables of error numbers are installed, that each library exports exactly the
# routines its public header declares, that the installed program runs on the installed example
# data, and that a parent project can build the libraries through add_subdirectory without
# GoogleTest.
#   scripts/install-check.sh [BUILD_DIR]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-build}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "install-check: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$work/first" >/dev/null
mv "$work/first" "$work/prefix"
prefix=$work/prefix
lib=$(dirname "$(find "$prefix" -name libtplotlib.so -print -quit)")
[ -d "$lib" ] || fail "libtplotlib.so was not installed"

# Versioned sonames, no run paths in the libraries, the program's own relative to itself.
for name in tarvcore tplotlib tterrlib tmsgcon tpanel; do
  so=$lib/lib$name.so
  [ -f "$prefix/include/$name.h" ] || fail "$name.h was not installed"
  [ -f "$lib/pkgconfig/$name.pc" ] || fail "$name.pc was not installed"
  readelf -d "$so" | grep -q "SONAME.*\[lib$name\.so\.1\]" || fail "lib$name.so has no soname .so.1"
  ! readelf -d "$so" | grep -Eq 'RPATH|RUNPATH' || fail "lib$name.so carries a run path"
done
for name in tarvcore tplotlib tterrlib; do
  [ -s "$prefix/share/doc/tarv/errors-$name.md" ] || fail "errors-$name.md was not installed"
done
readelf -d "$prefix/bin/specvue" | grep -E 'RPATH|RUNPATH' | grep -v "$build" | grep -q '\$ORIGIN' ||
  fail "specvue's run path is not relative to the program"

# Exports: exactly the routines the public header declares (by name), nothing else; the kernel
# also exports the private links the toolkit and surface libraries use.
declared() { sed 's://.*::' "$@" | grep -oP '^\s*(const\s+)?[\w:<>]+[\s*&]+\K\w+(?=\()' | sort -u; }
exported() {
  nm -D --defined-only "$1" | c++filt | awk '$2 == "T" { $1 = $2 = ""; print }' |
    sed -E 's/^ +//; s/\(.*//; s/\[abi:[^]]*\]//; s/.*:://' | sort -u
}
for name in tarvcore tplotlib tterrlib tmsgcon tpanel; do
  headers=("$prefix/include/$name.h")
  [ "$name" = tarvcore ] && headers+=("$top/kernel/tarvlink.h" "$top/kernel/tarvfills.h")
  if ! diff <(declared "${headers[@]}") <(exported "$lib/lib$name.so") >"$work/exports.diff"; then
    cat "$work/exports.diff" >&2
    fail "lib$name.so does not export exactly what $name.h declares (< declared only, > exported only)"
  fi
done

check_png() {
  [ "$(head -c 8 "$1" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "$1 is not a PNG"
  [ "$(stat -c %s "$1")" -gt 2000 ] || fail "$1 is too small to hold the graph"
}

# The outside program through the CMake package ...
cmake -S "$top/tests/install" -B "$work/cmake-build" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$work/cmake-build" >/dev/null
mkdir "$work/run-cmake"
(cd "$work/run-cmake" && "$work/cmake-build/graph")
check_png "$work/run-cmake/graph.png"

# Components: every library is one; one that is unknown or not installed (its header gone)
# fails the package with a message naming it.
components_fail() {  # expected message, components...
  local expected=$1; shift
  if cmake -S "$top/tests/install" -B "$work/components" -DCMAKE_PREFIX_PATH="$prefix" \
       -DTARV_COMPONENTS="$(IFS=';'; echo "$*")" >"$work/components.log" 2>&1; then
    fail "find_package(tarv COMPONENTS $*) succeeded"
  fi
  # CMake wraps the message: the words are looked for across line ends.
  tr -s ' \n' '  ' <"$work/components.log" | grep -q "$expected" ||
    { cat "$work/components.log" >&2; fail "find_package(tarv COMPONENTS $*) did not say: $expected"; }
  rm -rf "$work/components"
}
cmake -S "$top/tests/install" -B "$work/components" -DCMAKE_PREFIX_PATH="$prefix" \
  -DTARV_COMPONENTS="tarvcore;tplotlib;tterrlib;tmsgcon;tpanel" >/dev/null ||
  fail "find_package(tarv) did not find all five components"
rm -rf "$work/components"
components_fail "unknown component tplotlibx" tplotlib tplotlibx
mv "$prefix/include/tterrlib.h" "$work/tterrlib.h"
components_fail "component tterrlib is not installed" tplotlib tterrlib
mv "$work/tterrlib.h" "$prefix/include/tterrlib.h"

# ... and through pkg-config, naming only tplotlib.
export PKG_CONFIG_PATH=$lib/pkgconfig
c++ -o "$work/graph-pc" "$top/tests/install/graph.cpp" $(pkg-config --cflags --libs tplotlib)
mkdir "$work/run-pc"
(cd "$work/run-pc" && LD_LIBRARY_PATH=$lib "$work/graph-pc")
check_png "$work/run-pc/graph.png"
cmp -s "$work/run-cmake/graph.png" "$work/run-pc/graph.png" || fail "the two builds drew different graphs"

# The installed program, scripted, on the installed example data.
mkdir "$work/run-specvue"
cp "$prefix/share/specvue/examples/dft_input.in" "$work/run-specvue/"
(cd "$work/run-specvue" &&
  TPANEL_SCRIPT="$prefix/share/specvue/examples/demo.script" "$prefix/bin/specvue" >log 2>&1) ||
  { cat "$work/run-specvue/log" >&2; fail "the installed specvue failed"; }
check_png "$work/run-specvue/amplitude.png"
[ -s "$work/run-specvue/dft_output.out" ] || fail "the installed specvue wrote no table"
# The libraries inside a parent project: no tests there, so GoogleTest is never looked for.
cmake -S "$top/tests/install" -B "$work/sub-build" -DTARV_SOURCE_DIR="$top" \
      -DCMAKE_BUILD_TYPE=Release -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON --no-warn-unused-cli >/dev/null
cmake --build "$work/sub-build" -j"${JOBS:-4}" >/dev/null
mkdir "$work/run-sub"
(cd "$work/run-sub" && "$work/sub-build/graph")
cmp -s "$work/run-cmake/graph.png" "$work/run-sub/graph.png" || fail "the parent project drew a different graph"
echo "install-check: installed, moved, built and ran the outside program both ways and inside a parent project"
