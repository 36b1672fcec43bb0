#!/usr/bin/env bash
# Builds the program and starts it with telvane-sim playing an instrument on a
# pseudo-terminal, so the search finds it on COM1 within a second. Kinds the
# search never probes (such as 6) are opened directly with --session.
#
# Usage: scripts/run.sh [--kind K] [--no-demo] [program options such as /i9:3]
#   --kind K    the instrument kind the simulator plays (default 7; also
#               TELVANE_DEMO_KIND); 255 is the text-protocol instrument
#   --no-demo   no simulator: the program searches the machine's own ports
set -euo pipefail
cd "$(dirname "$0")/.."

kind="${TELVANE_DEMO_KIND:-7}"
demo=1
program_args=()
while [ $# -gt 0 ]; do
  case "$1" in
    --kind) kind="$2"; shift 2 ;;
    --kind=*) kind="${1#--kind=}"; shift ;;
    --no-demo) demo=0; shift ;;
    *) program_args+=("$1"); shift ;;
  esac
done

scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target telvane telvane-cli telvane-sim

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "run: no display; start it from a desktop session or under xvfb-run" >&2
fi

if [ "$demo" -eq 0 ]; then
  exec build/src/telvane "${program_args[@]}"
fi

port_dir="$(mktemp -d "${TMPDIR:-/tmp}/telvane-demo-XXXXXX")"
sim_pid=""
cleanup() {
  if [ -n "$sim_pid" ]; then
    kill "$sim_pid" 2>/dev/null || true
    wait "$sim_pid" 2>/dev/null || true
  fi
  rm -rf "$port_dir"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Kinds that only the IrDA search finds play on an emulated IrDA device; the
# others on a pseudo-terminal linked as COM1. The serial search probes only
# some kinds (and 255, the text-protocol instrument); the window opens on the
# others as a known session.
serial="D00042"
session=()
case "$kind" in
  10|12|13|14|15|16) link="irda" ;;
  2|4|7|8|9|11|17|18|19|20|255) link="serial" ;;
  *) link="serial"; session=(--session "$kind:$serial:COM1") ;;
esac
mkdir -p "$port_dir/ports" "$port_dir/irda"
common=(--kind "$kind" --serial "$serial" --cables 12 --reflectograms 4 --firmware 10.2)
if [ "$link" = irda ]; then
  build/sim/telvane-sim "${common[@]}" --irda-dir "$port_dir/irda" --name "Demo-$kind" &
  ready="$port_dir/irda/Demo-$kind"
else
  build/sim/telvane-sim "${common[@]}" --port-dir "$port_dir/ports" --com 1 &
  ready="$port_dir/ports/COM1"
fi
sim_pid=$!
for _ in $(seq 1 100); do
  [ -e "$ready" ] && break
  if ! kill -0 "$sim_pid" 2>/dev/null; then
    echo "run: telvane-sim did not start (kind $kind)" >&2
    exit 1
  fi
  sleep 0.05
done

if [ "$kind" = 255 ]; then
  echo "run: telvane-sim plays the text-protocol instrument on COM1"
elif [ "$link" = irda ]; then
  echo "run: telvane-sim plays kind $kind as the IrDA device Demo-$kind; choose it in the list"
elif [ ${#session[@]} -gt 0 ]; then
  echo "run: telvane-sim plays kind $kind on COM1; the window opens on it with ${session[*]}"
else
  echo "run: telvane-sim plays kind $kind on COM1; answer Yes to use it"
fi
TELVANE_PORT_DIR="$port_dir/ports" TELVANE_IRDA_DIR="$port_dir/irda" \
  build/src/telvane "${session[@]}" "${program_args[@]}"
