# Installs the Debian packages the build and the tests need, only when one is missing.
ZK_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev
             libbenchmark-dev xvfb xauth xdotool x11-utils)
# The end-to-end tests: a tray host under Xvfb and screenshots.
ZK_PACKAGES+=(trayer imagemagick)
# The report's SVG charts.
ZK_PACKAGES+=(qt6-svg-dev)
# fuzz/run.sh: clang with libFuzzer and its sanitizer runtimes.
ZK_FUZZ_PACKAGES=(clang libclang-rt-14-dev)
# scripts/coverage.sh: the coverage summary.
ZK_COVERAGE_PACKAGES=(gcovr)

zk_ensure_packages() {
    local missing=()
    for p in "${ZK_PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
}
