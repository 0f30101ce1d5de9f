# copy-tree: copying a tree of 5,000 files of 4 KiB (50 folders of 100
# files below 10 top folders) as the directory copy does (ListDirectoryTree,
# MakeDirectoryPath, CopyDirectoryFiles with the overwrite warning on, dates
# and attributes carried over) against cp -r. The target is removed and the
# disk synced before every round, outside the timing.
copytree_tmp=$(mktemp -d "${TMPDIR:-/tmp}/quilby-copy-tree-XXXXXX")
trap 'rm -rf "$copytree_tmp"' EXIT
# ext4 without a journal scans past inodes freed in the last 5-10 s when it
# allocates new ones; waiting that out keeps the file system's bookkeeping
# out of both timings.
copytree_settle() { sync; sleep "${COPY_SETTLE_S:-11}"; }
"$BENCH_BIN/copy_bench" gen-tree "$copytree_tmp/src"
sync

copytree_quilby() {
  rm -rf "$copytree_tmp/quilby"; copytree_settle
  time_cmd "$BENCH_BIN/copy_bench" tree "$copytree_tmp/src" "$copytree_tmp/quilby"
}
copytree_cp() {
  rm -rf "$copytree_tmp/cp"; copytree_settle
  time_cmd cp -r "$copytree_tmp/src" "$copytree_tmp/cp"
}
alternate "${ROUNDS:-5}" copytree_quilby copytree_cp
diff -r "$copytree_tmp/src" "$copytree_tmp/quilby" >/dev/null

echo "quilby median ${QUILBY_MEDIAN}s, cp -r median ${TOOL_MEDIAN}s for 5,000 files of 4 KiB"
echo "copy-tree ratio=$RATIO quilby_s=$QUILBY_MEDIAN cp_s=$TOOL_MEDIAN files=5000"
