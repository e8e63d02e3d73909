# Debian packages the build, the tests, the benchmarks and the package need on a fresh
# Debian 12 machine (installed with --no-install-recommends); sourced by run.sh and
# test.sh. tools/check-deps.sh, run by the tests, fails when this list misses one.
# libqt6opengl6-dev: the Charts configuration needs Qt6OpenGL, which qt6-charts-dev
# does not pull in. file and dpkg-dev: CPack's Debian generator runs file and
# dpkg-shlibdeps. zlib1g-dev: the tests write the zip files of the workbook tests.
ETP_PACKAGES="g++ cmake ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev
qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-svg-dev libgl-dev libgsf-1-dev libxml2-dev zlib1g-dev help2man desktop-file-utils dpkg-dev file"

# One line per phase, so a long first run never looks hung.
etp_phase() { echo "== $*"; }

etp_install_missing() {
    local missing=()
    for p in $ETP_PACKAGES "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -eq 0 ]; then
        etp_phase "Installing: nothing missing"
        return 0
    fi
    etp_phase "Installing ${#missing[@]} packages with apt (first run: about a minute): ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

etp_build() {
    local dir=$1
    shift
    etp_phase "Configuring $dir"
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
    etp_phase "Building $dir"
    cmake --build "$dir"
}
