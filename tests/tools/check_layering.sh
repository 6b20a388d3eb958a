#!/usr/bin/env bash
# The subsystems stay portable: no wx header and no direct call of the operating system under
# their folders. Everything outside goes through src/platform.
set -u
root=${1:-$(dirname "$0")/../..}
status=0
dirs=()
for d in catalogue launch content multiplayer lan files input app; do
  [ -d "$root/src/$d" ] && dirs+=("$root/src/$d")
done
[ ${#dirs[@]} -gt 0 ] || { echo "no subsystem folders under $root/src"; exit 1; }

check() {
  local what=$1 pattern=$2 hits
  # The installer's logic is held to the same rule; its wx view, desktop-entry writer and
  # build tools are its composition root.
  hits=$(grep -rnE "$pattern" "${dirs[@]}" --include='*.h' --include='*.cpp' || true)
  if [ -d "$root/src/setup" ]; then
    hits+=$(grep -rnE "$pattern" "$root/src/setup" --include='*.h' --include='*.cpp' \
              --exclude-dir=gui --exclude-dir=tools --exclude='host_*' || true)
  fi
  if [ -n "$hits" ]; then
    echo "$what:"
    echo "$hits"
    status=1
  fi
}

check "wx headers" '#include *[<"]wx/'
check "OS headers" '#include *<(filesystem|fstream|stdio\.h|unistd\.h|fcntl\.h|dirent\.h|sys/[a-z_]+\.h|netinet/[a-z_]+\.h|arpa/inet\.h|windows\.h|dlfcn\.h|thread|chrono)>'
check "OS calls" '(^|[^A-Za-z0-9_.>:])(::)?(fopen|freopen|popen|system|opendir|readdir|getenv|open|unlink|rename|remove|mkdir|rmdir|chdir|getcwd|stat|fork|exec[lv]p?e?|socket|sleep|usleep)[[:space:]]*\('
check "std::filesystem" 'std::filesystem'
check "C library calls" 'std::(system|getenv|fopen|tmpfile)[[:space:]]*\('

[ $status -eq 0 ] && echo "layering: ${#dirs[@]} subsystem folders are free of wx and OS calls"
exit $status
