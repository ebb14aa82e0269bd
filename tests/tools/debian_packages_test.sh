#!/usr/bin/env bash
# Set-up on a fresh machine: the 32-bit packages are looked up in package lists fetched after
# the i386 architecture was added; lists fetched before it know none of them.
set -euo pipefail
source "$(dirname "$0")/../../tools/debian_packages.sh"

# dpkg and apt-get stand-ins on a machine where nothing is installed; they log what set-up does.
steps=()
foreign=""
packages_sudo() { "$@"; }
packages_say() { :; }
dpkg-query() { return 1; }
dpkg() {
  case $1 in
    --print-foreign-architectures) [ -z "$foreign" ] || echo "$foreign" ;;
    --add-architecture) foreign=$2; steps+=("add $2") ;;
  esac
}
apt-get() {
  case $1 in
    update) steps+=("update${foreign:+ with $foreign}") ;;
    install) steps+=("install ${*: -1}") ;;
  esac
}

failed=0
# foreign architectures at the start | what is installed, in calls | the steps expected
while IFS='|' read -r start calls expected; do
  steps=() foreign=$start LISTS_UPDATED=0
  for call in $calls; do install_missing_packages "$call"; done
  got=$(IFS=,; echo "${steps[*]}")
  if [ "$got" != "$expected" ]; then
    echo "FAIL: from '$start', installing $calls: $got; expected $expected" >&2
    failed=1
  fi
done <<'EOF'
|wine wine32:i386|update,install wine,add i386,update with i386,install wine32:i386
|wine32:i386|add i386,update with i386,install wine32:i386
i386|wine wine32:i386|update with i386,install wine,install wine32:i386
|wine xvfb|update,install wine,install xvfb
EOF
exit $failed
