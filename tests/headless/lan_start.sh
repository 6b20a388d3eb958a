#!/usr/bin/env bash
# A network start as players make one: an IPX tunnel server on loopback and three copies of the
# program (the headless driver, each with its own machine and a stand-in Duke Nukem 3D). The
# server has a user map that one client lacks and the other has (same bytes, same time); the
# server runs, both clients join, the one without the map downloads it, and all three start
# COMMIT with the map in DOSBox sessions that join the same IPX network.
#   tests/headless/lan_start.sh QF95_HEADLESS BUILD_DIR [relay|dosbox]
# relay (the default): our qf95-ipxrelay, named by $QF95_IPX_SERVER. dosbox: DOSBox's own
# "IPXNET STARTSERVER", which each copy is given in "Auto DeathMatch Launch Options".
# Exits 77 (skipped) when DOSBox is not installed.
set -uo pipefail
exe=$(realpath "$1")
build=$(realpath "$2")
server_kind=${3:-relay}
tools=$(cd "$(dirname "$0")/../../tools" && pwd)
# shellcheck source=dos_session_env.sh
source "$(dirname "$0")/dos_session_env.sh"

port=$(python3 -c 'import socket; s=socket.socket(socket.AF_INET, socket.SOCK_DGRAM); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
choose_server=''
if [ "$server_kind" = dosbox ]; then
  unset QF95_IPX_SERVER
  mkdir -p "$work/ipxserver"
  printf '[sdl]\noutput=surface\n[mixer]\nnosound=true\n[ipx]\nipx=true\n[autoexec]\nIPXNET STARTSERVER %s\n' \
    "$port" > "$work/ipxserver/ipxserver.conf"
  HOME="$work/ipxserver" "${QF95_DOSBOX:-dosbox}" -conf "$work/ipxserver/ipxserver.conf" \
    >"$work/relay.log" 2>&1 &
  # The field comes before the network is first used, so nothing else is ever started.
  choose_server="field IPX Server = 127.0.0.1:$port
press ok
command 32994"
else
  export QF95_IPX_SERVER="127.0.0.1:$port"
  "$build/qf95-ipxrelay" --port "$port" >"$work/relay.log" 2>&1 &
fi
relay=$!
trap 'kill "$relay" 2>/dev/null; rm -rf "$work"' EXIT
port_taken() {
  python3 -c 'import socket,sys; s=socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
try: s.bind(("127.0.0.1", int(sys.argv[1])))
except OSError: sys.exit(0)
sys.exit(1)' "$port"
}
for _ in $(seq 1 100); do port_taken && break; sleep 0.1; done
port_taken || { cat "$work/relay.log"; fail "no IPX server ($server_kind) on port $port"; exit 1; }

map=ONLYSRV.MAP
for copy in server near far; do
  "$tools/make_demo_machine.sh" "$build" "$work/$copy" >/dev/null
done
printf 'a map only the server has\r\n' > "$work/server/drive_d/GAMES/DUKE3D/$map"
touch -d '2025-01-02 03:04:05' "$work/server/drive_d/GAMES/DUKE3D/$map"
mkdir -p "$work/near/drive_d/GAMES/DUKE3D/MAPS"
cp -p "$work/server/drive_d/GAMES/DUKE3D/$map" "$work/near/drive_d/GAMES/DUKE3D/MAPS/$map"

common="$choose_server
command 32846
command 32903
set comm NetWork/IPX
set auto-launch on
answer no"
printf '%s\nlisten 60\n' "$common" > "$work/client.script"
printf 'command 32846\nselect-file D:\\GAMES\\DUKE3D\\%s\n%s\nset players 3\ncommand 32828\n' \
  "$map" "$common" > "$work/server.script"

run_headless "$work/near" "$work/client.script" "$work/near.txt" --output "$work/near.out" &
near=$!
run_headless "$work/far" "$work/client.script" "$work/far.txt" --output "$work/far.out" &
far=$!
run_headless "$work/server" "$work/server.script" "$work/server.txt" --output "$work/server.out"
server_rc=$?
wait "$near"; near_rc=$?
wait "$far"; far_rc=$?
kill -TERM "$relay"; wait "$relay" 2>/dev/null
for copy in server near far; do echo "--- $copy"; cat "$work/$copy.txt"; done
echo "--- relay"; cat "$work/relay.log"

[ "$server_rc" -eq 0 ] || fail "the server ended with $server_rc: $(cat "$work/server.txt.err")"
[ "$near_rc" -eq 0 ] || fail "the client with the map ended with $near_rc: $(cat "$work/near.txt.err")"
[ "$far_rc" -eq 0 ] || fail "the client without it ended with $far_rc: $(cat "$work/far.txt.err")"
expect "$work/server.txt" 'status Checking player #2'
expect "$work/server.txt" '-> started'
expect "$work/far.txt" '-> downloaded 27 bytes'
refuse "$work/near.txt" 'dialog Download file'
got="$work/far/drive_d/GAMES/DUKE3D/maps/$map"
cmp -s "$work/server/drive_d/GAMES/DUKE3D/$map" "$got" || fail "the downloaded map differs"
[ "$(stat -c %Y "$got" 2>/dev/null)" = "$(stat -c %Y "$work/server/drive_d/GAMES/DUKE3D/$map")" ] ||
  fail "the downloaded map has another time"
for copy in server near far; do
  expect "$work/$copy.txt" "start dos commit.exe /c1 \"-map $map\" in D:\\GAMES\\DUKE3D"
  grep -q "^TAIL= /c1 -map $map" "$work/$copy/drive_d/GAMES/DUKE3D/QFRUN.TXT" 2>/dev/null ||
    fail "$copy: COMMIT did not run with the map"
  grep -q 'IPX: Connected to server' "$work/$copy.out" ||
    fail "$copy: the DOS session did not join the IPX network"
done
if [ "$server_kind" = relay ]; then
  # Three front-ends (each once more after its launch) and three game sessions.
  members=$(sed -n 's/.*stopped: members=\([0-9]*\).*/\1/p' "$work/relay.log" | tail -1)
  [ "${members:-0}" -ge 6 ] || fail "the relay saw ${members:-no} members"
else
  for copy in server near far; do
    [ "$(cat "$work/$copy/drive_c/QF95/Quillfen.Ipx" 2>/dev/null)" = "127.0.0.1:$port"$'\r' ] ||
      fail "$copy: the server chosen in the dialog was not kept"
  done
fi
[ "$failures" -eq 0 ] || exit 1
echo "lan start ($server_kind): ok"
