# Shared helpers for the project scripts: root check and package installation by name.
set -euo pipefail

repo_root() { cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd; }

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs the packages named in the given lists (one per line, '#' comments) that are missing.
install_packages() {
  local wanted=() missing=() pkg
  for list in "$@"; do
    while read -r pkg; do
      pkg=${pkg%%#*}; pkg=${pkg//[[:space:]]/}
      [ -n "$pkg" ] && wanted+=("$pkg")
    done < "$list"
  done
  for pkg in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    as_root apt-get update -qq
    as_root apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

# Configures and builds one CMake preset.
build_preset() {
  local preset=$1
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$(nproc)"
}
