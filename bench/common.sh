# Sourced by the bench/*.sh scripts, from the source tree's top folder.
#   bench_build BUILD_DIR TARGET...   configures BUILD_DIR as a Release build when it does
#                                     not exist yet (and warns when it is another type),
#                                     then builds the targets
#   bench_workdir NAME                a fresh folder for the run, removed on exit; sets $work

bench_build() {
    local build=$1
    shift
    if [ ! -f "$build/build.ninja" ]; then
        cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    fi
    local type
    type=$(sed -n 's/^CMAKE_BUILD_TYPE:STRING=//p' "$build/CMakeCache.txt")
    [ "$type" = Release ] || echo "warning: $build is a '$type' build, not Release" >&2
    cmake --build "$build" --target "$@" >/dev/null
}

bench_workdir() {
    work=$(mktemp -d "${TMPDIR:-/tmp}/etp-$1.XXXXXX")
    trap 'rm -rf "$work"' EXIT
}
