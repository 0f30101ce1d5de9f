# dirread: reading a directory of 200,000 files into the file list model
# (enumerate, stat, attributes, filter, sort "END") against
# find DIR -maxdepth 1 -type f -printf '%f %s %T@\n'; then the model's heap
# bytes per entry at 1,000,000 files.
dirread_tmp=$(mktemp -d "${TMPDIR:-/tmp}/quilby-dirread-XXXXXX")
# A million files are made and removed far faster in RAM; the heap figure
# does not depend on the file system.
dirread_ram=$dirread_tmp
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  dirread_ram=$(mktemp -d /dev/shm/quilby-dirread-XXXXXX)
fi
trap 'rm -rf "$dirread_tmp" "$dirread_ram"' EXIT

mkdir "$dirread_tmp/files"
"$BENCH_BIN/dirread" generate "$dirread_tmp/files" 200000 --sizes
dirread_quilby() { time_cmd "$BENCH_BIN/dirread" read "$dirread_tmp/files"; }
dirread_find() { time_cmd find "$dirread_tmp/files" -maxdepth 1 -type f -printf '%f %s %T@\n'; }
dirread_quilby >/dev/null  # both start with the directory in the cache
dirread_find >/dev/null
alternate 5 dirread_quilby dirread_find
rm -rf "$dirread_tmp/files"

mkdir "$dirread_ram/million"
"$BENCH_BIN/dirread" generate "$dirread_ram/million" 1000000
dirread_bytes=$("$BENCH_BIN/dirread" memory "$dirread_ram/million")
rm -rf "$dirread_tmp" "$dirread_ram"

echo "quilby median ${QUILBY_MEDIAN}s, find median ${TOOL_MEDIAN}s over 200,000 files"
echo "dirread ratio=$RATIO bytes_per_entry=$dirread_bytes"
