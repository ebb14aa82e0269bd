# What the benchmarks of the Windows programs share.

# find_programs NAME [DIST]: sets prefix (the tests' Wine prefix), dist (DIST, else the dist
# folder of the tree that runs in that prefix) and floor_exe (the plain floor beside it), or
# says what is missing in NAME's words and exits.
find_programs() {
  prefix=${WINEPREFIX:-$root/build/wineprefix}
  local tree=$root/build/win32
  [ -f "$prefix/.win64" ] && tree=$root/build/win64
  dist=${2:-$tree/dist}
  [ -f "$dist/OrmelClock.exe" ] || { echo "$1: $dist/OrmelClock.exe is missing: ./ormel build" >&2; exit 2; }
  floor_exe=$(dirname "$dist")/bench/plain_floor.exe
  [ -f "$floor_exe" ] || { echo "$1: $floor_exe is missing: ./ormel build" >&2; exit 2; }
  [ -f "$prefix/system.reg" ] || { echo "$1: no Wine prefix in $prefix: ./ormel build" >&2; exit 2; }
}

# make_scratch_prefix FROM TO: a Wine prefix in TO with a copy of FROM's registry, so that a
# benchmark's programs start from the default settings and change nothing of FROM's. It shares
# FROM's Windows folders (read-only to the programs), not the registry.
make_scratch_prefix() {
  mkdir "$2"
  cp -a "$1"/*.reg "$1/.update-timestamp" "$1/dosdevices" "$2/"
  [ -f "$1/.win64" ] && cp "$1/.win64" "$2/"
  ln -s "$1/drive_c" "$2/drive_c"
}
