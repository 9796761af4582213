#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing.
# Sourced by run.sh and test.sh; each later part of the program adds its packages here.
kelmo_packages=(
    build-essential cmake pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    liberfa-dev libcli11-dev nlohmann-json3-dev libgeographiclib-dev
    qt6-base-dev qt6-multimedia-dev qt6-svg-dev xvfb xauth libxml2-utils
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    locales desktop-file-utils appstream
    tzdata python3-icalendar libicu-dev
    lintian help2man man-db file
)

# Only for ./test.sh --fuzz: clang with libFuzzer and the sanitizer runtimes.
kelmo_fuzz_packages=(clang libclang-rt-14-dev)

# Installs kelmo_packages and the packages given as arguments.
kelmo_install_deps() {
    local missing=()
    for p in "${kelmo_packages[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq &&
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}
