# Shared helpers for the project scripts: root check, package installation by name, builds and the
# test print queue.
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

# Configures and builds one CMake preset; further arguments go to the configure step.
build_preset() {
  local preset=$1
  shift
  cmake --preset "$preset" "$@" >/dev/null
  cmake --build --preset "$preset" -j "$(nproc)"
}

# The test print queue: its name (MOSARET_TEST_QUEUE), a second queue of that name followed by
# "Letter" whose paper is Letter, their cups-pdf instance (the name in lower case) with that
# instance's configuration file, and the folder their PDFs land in (MOSARET_PDF_DIR).
test_queue_settings() {
  queue=${MOSARET_TEST_QUEUE:-MosaretPDF}
  if ! [[ $queue =~ ^[A-Za-z0-9_-]+$ ]]; then
    echo "MOSARET_TEST_QUEUE=$queue: use letters, digits, '-' and '_' only" >&2
    exit 2
  fi
  letter_queue=${queue}Letter
  instance=${queue,,}
  instance_conf=/etc/cups/cups-pdf-$instance.conf
  pdf_dir=$(realpath -m "${MOSARET_PDF_DIR:-$(repo_root)/build/print-queue}")
}

# Points the print system's clients started from this shell (the tests, lp, lpstat) at the test
# queue instead of the system's default printer, and tells the tests where its PDFs land.
use_test_queue() {
  export LPDEST=$queue PRINTER=$queue MOSARET_PDF_DIR=$pdf_dir
}

# The system's default printer as lpstat reports it, whatever LPDEST and PRINTER say.
system_default_printer() {
  env -u LPDEST -u PRINTER lpstat -d 2>&1 || true
}

start_print_server() {
  lpstat -r 2>/dev/null | grep -q 'is running' && return
  if [ -d /run/systemd/system ]; then
    as_root systemctl start cups
  else
    as_root mkdir -p /run/cups
    as_root cupsd
  fi
  for _ in $(seq 50); do
    lpstat -r 2>/dev/null | grep -q 'is running' && return
    sleep 0.1
  done
  echo "The CUPS print server did not start." >&2
  exit 1
}

# The checksum dpkg recorded for cups-pdf.conf as printer-driver-cups-pdf ships it.
package_cups_pdf_conf_md5() {
  dpkg-query -W -f='${Conffiles}\n' printer-driver-cups-pdf 2>/dev/null |
    awk '$1 == "/etc/cups/cups-pdf.conf" { print $2 }'
}
