# Shared by scripts/run and scripts/test: install what is missing, then configure and build.
# Sourced, not run.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${OSTREL_BUILD_DIR:-$ROOT/build}"

PACKAGES=(cmake ninja-build g++ qt6-base-dev libqt6sql6-sqlite libgtest-dev libgmock-dev
          libbenchmark-dev fonts-liberation xvfb xauth locales imagemagick poppler-utils
          clang libclang-rt-dev)

ostrel_install() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if ((${#missing[@]})); then
        echo "== installing: ${missing[*]}"
        local sudo=""
        [ "$(id -u)" -eq 0 ] || sudo="sudo"
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
    # The suite checks that numbers keep "." under a comma-decimal locale.
    if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
        echo "== generating the de_DE.UTF-8 locale"
        local sudo=""
        [ "$(id -u)" -eq 0 ] || sudo="sudo"
        $sudo sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
        grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
        $sudo locale-gen >/dev/null
    fi
}

# What the program needs to start: the program, its translation store, its pictures and the
# About window's page and guide.
PROGRAM_TARGETS=(ostrel ostrel_language_store ostrel_pictures ostrel_about_data)

ostrel_configure() {
    cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
}

# Only the program and its data, not the test suites and benchmarks.
ostrel_build_program() {
    ostrel_configure "$@"
    cmake --build "$BUILD" --target "${PROGRAM_TARGETS[@]}"
}

ostrel_build() {
    cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$BUILD"
}
