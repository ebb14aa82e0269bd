# make_scratch_prefix FROM TO: a Wine prefix in TO with a copy of FROM's registry, so that a
# benchmark's programs start from the default settings and change nothing of FROM's. It shares
# FROM's Windows folders (read-only to the programs), not the registry.
make_scratch_prefix() {
  mkdir "$2"
  cp -a "$1"/*.reg "$1/.update-timestamp" "$1/dosdevices" "$2/"
  [ -f "$1/.win64" ] && cp "$1/.win64" "$2/"
  ln -s "$1/drive_c" "$2/drive_c"
}
