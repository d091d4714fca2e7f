# Shared by scripts/test, scripts/run and scripts/fuzz: install what is missing, configure, build, test.
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build}

# ensure_packages [LIST]: installs the Debian packages of LIST (default scripts/packages.txt) that
# are missing.
ensure_packages() {
  local list=${1:-$ROOT/scripts/packages.txt}
  local missing=()
  while read -r pkg; do
    [[ -z "$pkg" || "$pkg" == \#* ]] && continue
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
  done < "$list"
  if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}" >&2
    local sudo=""
    [[ $(id -u) -ne 0 ]] && sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
  fi
}

# check_formatting: every tracked C++ file is as clang-format with the repository's .clang-format leaves
# it; names the files that are not.
check_formatting() {
  local files
  mapfile -t files < <(cd "$ROOT" && git ls-files '*.cpp' '*.h')
  (cd "$ROOT" && clang-format --dry-run --Werror "${files[@]}") ||
    { echo "Formatting differs from .clang-format (clang-format -i the files above)" >&2; return 1; }
}

# build_project [DIR [CMAKE_ARGS...]]: configures DIR (default $BUILD_DIR) once with the given
# arguments, then builds it.
build_project() {
  local dir=${1:-$BUILD_DIR}
  (($#)) && shift
  if [[ ! -f "$dir/build.ninja" ]]; then
    cmake -S "$ROOT" -B "$dir" -G Ninja "$@" >/dev/null
  fi
  cmake --build "$dir" -j "$(nproc)"
}

# run_tests DIR [CTEST_ARGS...]: runs the ctest suite of a built folder.
run_tests() {
  local dir=$1
  shift
  (cd "$dir" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" --timeout 300 "$@")
}
