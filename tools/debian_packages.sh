# Installs Debian packages that are missing; sourced by ./ormel and bench/run.
#   install_missing_packages PACKAGE...   fails when any of them cannot be installed

packages_say() { printf '%s: %s\n' "${PACKAGES_WHO:-ormel}" "$*" >&2; }

packages_sudo() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing_packages() {
  local p out=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || out+=("$p")
  done
  echo "${out[@]:-}"
}

# A mirror in the middle of a sync fails an index now and then: try again, and in the end
# go on with the indexes that did arrive (the install then says what it cannot find).
update_package_lists() {
  local try
  for try in 1 2 3; do
    packages_sudo apt-get update -qq && return 0
    packages_say "the package lists did not all arrive (try $try of 3)"
    sleep $((try * 10))
  done
  packages_say "going on with the package lists that arrived"
}

LISTS_UPDATED=0
install_missing_packages() {
  local missing
  missing=$(missing_packages "$@")
  [ -n "$missing" ] || return 0
  packages_say "installing: $missing"
  # Lists fetched before i386 was added know no i386 package: fetch them again after adding it.
  case " $missing " in
    *:i386*)
      if ! dpkg --print-foreign-architectures | grep -qx i386; then
        packages_sudo dpkg --add-architecture i386
        LISTS_UPDATED=0
      fi ;;
  esac
  [ "$LISTS_UPDATED" = 1 ] || { update_package_lists; LISTS_UPDATED=1; }
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive packages_sudo apt-get install -y -qq --no-install-recommends $missing >/dev/null
}
