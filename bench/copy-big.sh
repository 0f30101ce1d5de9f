# copy-big: copying one 1 GiB file with the copy dialog's primitive and loop
# (CopyOneFile, overwrite warning on, date and attributes carried over)
# against cp. The target is removed and the disk synced before every round,
# outside the timing, so each copy starts alike.
copybig_tmp=$(mktemp -d "${TMPDIR:-/tmp}/quilby-copy-big-XXXXXX")
trap 'rm -rf "$copybig_tmp"' EXIT
# ext4 without a journal scans past inodes freed in the last 5-10 s when it
# allocates new ones; waiting that out keeps the file system's bookkeeping
# out of both timings.
copybig_settle() { sync; sleep "${COPY_SETTLE_S:-11}"; }
"$BENCH_BIN/copy_bench" gen-big "$copybig_tmp/big.dat"
sync

copybig_quilby() {
  rm -f "$copybig_tmp/quilby.dat"; copybig_settle
  time_cmd "$BENCH_BIN/copy_bench" big "$copybig_tmp/big.dat" "$copybig_tmp/quilby.dat"
}
copybig_cp() {
  rm -f "$copybig_tmp/cp.dat"; copybig_settle
  time_cmd cp "$copybig_tmp/big.dat" "$copybig_tmp/cp.dat"
}
alternate "${ROUNDS:-5}" copybig_quilby copybig_cp
cmp "$copybig_tmp/big.dat" "$copybig_tmp/quilby.dat"

echo "quilby median ${QUILBY_MEDIAN}s, cp median ${TOOL_MEDIAN}s for 1 GiB"
echo "copy-big ratio=$RATIO quilby_s=$QUILBY_MEDIAN cp_s=$TOOL_MEDIAN bytes=1073741824"
