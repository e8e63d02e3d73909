#!/usr/bin/env bash
# tools/check-deps.sh [DEPS_FILE]
#
# Checks that DEPS_FILE (default tools/deps.sh) names every Debian package the build, the
# tests, the benchmarks and the package step use, counting what apt installs with
# --no-install-recommends along with them. A developer's machine usually holds more
# than a fresh one, so a build that works here can still fail for a new user; this
# check sees what a fresh machine would have without needing one:
#   - configures the project into a scratch folder and takes the owner (dpkg -S) of
#     every CMake package configuration that configure found (the *_DIR cache entries),
#     of every pkg-config module the CMake files ask for, of every program configure
#     found, and of the programs the package step runs;
#   - computes what DEPS_FILE installs on a fresh machine: its packages and their
#     Depends/Pre-Depends closure, without recommends or suggests;
#   - fails naming each owner outside that set.
# Exit 0: complete; 1: packages missing (named) or the check could not run; 77: not a
# Debian system (skipped).
set -uo pipefail
cd "$(dirname "$0")/.."
deps=$(realpath "${1:-tools/deps.sh}")

command -v dpkg >/dev/null && command -v apt-cache >/dev/null || { echo "not a Debian system: skipped"; exit 77; }
pkgs=$(bash -c '. "$1"; echo $ETP_PACKAGES' _ "$deps") || { echo "cannot read ETP_PACKAGES from $deps"; exit 1; }
[ -n "$pkgs" ] || { echo "$deps sets no ETP_PACKAGES"; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/etp-check-deps.XXXXXX")
trap 'rm -rf "$work"' EXIT

# What a fresh machine gets: the packages and their Depends/Pre-Depends closure. Virtual
# packages are printed in <angle brackets>; the packages providing them are listed too.
apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks \
        --no-replaces --no-enhances $pkgs >"$work/depends" 2>"$work/apt.err" ||
    { echo "apt-cache depends failed (run apt-get update first?): $(head -1 "$work/apt.err")"; exit 1; }
{
    printf '%s\n' $pkgs
    sed -n 's/^ *|\?\(Pre\)\?Depends: <\?\([^>:]*\).*/\2/p; /^[a-z0-9]/p' "$work/depends" | sed 's/:any$//'
} | sort -u >"$work/closure"

cmake -S . -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >"$work/configure.log" 2>&1 ||
    { echo "configure failed:"; tail -15 "$work/configure.log"; exit 1; }
cache="$work/build/CMakeCache.txt"

owner_of() {   # the package holding a file, following symbolic links
    local f=$1 o
    o=$(dpkg -S "$f" 2>/dev/null | head -1 | cut -d: -f1)
    [ -n "$o" ] || o=$(dpkg -S "$(readlink -f "$f")" 2>/dev/null | head -1 | cut -d: -f1)
    [ -n "$o" ] && printf '%s\t%s\n' "$o" "$f"
}

{
    # CMake package configurations configure found.
    sed -n 's/^[A-Za-z0-9_]*_DIR:PATH=\(\/.*\)$/\1/p' "$cache" | while IFS= read -r dir; do
        f=$(ls "$dir"/*[Cc]onfig.cmake 2>/dev/null | head -1)
        [ -n "$f" ] && owner_of "$f"
    done
    # pkg-config modules the CMake files ask for (optional ones only where present).
    cmake_files=$(git ls-files '*CMakeLists.txt' '*.cmake' 2>/dev/null) ||
        cmake_files=$(find CMakeLists.txt cmake src tests bench tools fuzz -name CMakeLists.txt -o -name '*.cmake')
    grep -ho 'pkg_check_modules([^)]*)' $cmake_files |
        tr ' ()' '\n\n\n' | sed 's/[<>=].*//' | grep -E '^[a-z0-9][a-z0-9.+-]*$' | sort -u |
        while IFS= read -r m; do
            dir=$(pkg-config --variable=pcfiledir "$m" 2>/dev/null) || continue
            owner_of "$dir/$m.pc"
        done
    # Programs configure found (find_program), and those the package step and its test
    # run without CMake looking them up: CPack's Debian generator needs file and
    # dpkg-shlibdeps.
    sed -n 's/^[A-Za-z0-9_]*:FILEPATH=\(\/usr\/bin\/[^/]*\)$/\1/p' "$cache" | while IFS= read -r f; do
        case $f in */c++|*/g++*|*/gcc*|*/ar|*/ranlib|*/ld|*/nm|*/objcopy|*/objdump|*/strip|*/readelf|*/addr2line|*/dlltool|*/gcc-ar*|*/gcc-ranlib*|*/ninja|*/pkg-config) ;;
        *) owner_of "$f" ;;
        esac
    done
    for p in file dpkg-shlibdeps dpkg-deb desktop-file-validate readelf ninja pkg-config; do
        f=$(command -v "$p") && owner_of "$f"
    done
} | sort -u >"$work/used"

missing=$(cut -f1 "$work/used" | sort -u | grep -vxF -f "$work/closure")
echo "packages the build uses: $(cut -f1 "$work/used" | sort -u | tr "\n" " ")"
echo "$(wc -l <"$work/closure") installed by $(basename "$deps") on a fresh machine"
if [ -n "$missing" ]; then
    echo "not installed by $deps on a fresh machine:"
    for p in $missing; do
        printf '  %s (for %s)\n' "$p" "$(awk -F'\t' -v p="$p" '$1 == p { print $2; exit }' "$work/used")"
    done
    exit 1
fi
echo "every package the build uses is installed by $(basename "$deps")"
