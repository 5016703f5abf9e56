# SPDX-FileCopyrightText: 2026 The Quorix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by scripts/run and scripts/test; sourced, not run.

QUORIX_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

say() { printf '%s\n' "$*" >&2; }

# Installs the packages of scripts/packages.txt that are missing, with
# apt-get; does nothing (and asks for nothing) when all are there.
ensure_packages() {
    local wanted missing=() p
    wanted=$(grep -v -e '^#' -e '^[[:space:]]*$' "$QUORIX_ROOT/scripts/packages.txt")
    if ! command -v dpkg-query >/dev/null 2>&1; then
        say "This is not a Debian system (no dpkg-query); install the equivalents of these packages yourself:"
        say "$(echo $wanted)"
        return 0
    fi
    for p in $wanted; do
        if ! dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
            missing+=("$p")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    say "Installing missing packages: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo=(sudo)
        else
            say "These packages are missing and installing them needs root: ${missing[*]}"
            return 1
        fi
    fi
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q &&
        "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# configure_tree DIR BUILD_TYPE [CMAKE ARGS...]: configures DIR with Ninja
# unless it already is; afterwards ninja re-runs CMake by itself whenever a
# CMakeLists.txt changes, so nothing is configured twice.
configure_tree() {
    local dir=$1 type=$2
    shift 2
    local cache="$dir/CMakeCache.txt"
    if [ -f "$dir/build.ninja" ] && grep -q "^CMAKE_BUILD_TYPE:STRING=$type\$" "$cache" 2>/dev/null; then
        local arg ok=1
        for arg in "$@"; do
            # -DNAME=VALUE must already be in the cache, whatever its type.
            local name=${arg#-D} value=${arg#*=}
            name=${name%%=*}
            grep -q "^$name:[A-Z]*=$value\$" "$cache" || ok=0
        done
        [ $ok -eq 1 ] && return 0
    fi
    if [ -f "$cache" ] && ! grep -q '^CMAKE_GENERATOR:INTERNAL=Ninja$' "$cache"; then
        say "$dir was configured with another generator than Ninja; remove it and run again."
        return 1
    fi
    cmake -S "$QUORIX_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" "$@"
}
