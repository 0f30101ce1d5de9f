# contentcompare: the compare's content test on two identical 1 GiB files
# (every byte is read and compared) against cmp. Both files stay in the page
# cache: both sides read from memory.
cc_tmp=$(mktemp -d "${TMPDIR:-/tmp}/quilby-contentcompare-XXXXXX")
trap 'rm -rf "$cc_tmp"' EXIT
head -c 1G /dev/urandom >"$cc_tmp/one.bin"
cp "$cc_tmp/one.bin" "$cc_tmp/two.bin"
cat "$cc_tmp/one.bin" "$cc_tmp/two.bin" >/dev/null

cc_quilby() { time_cmd "$BENCH_BIN/compare_bench" "$cc_tmp/one.bin" "$cc_tmp/two.bin"; }
cc_cmp() { time_cmd cmp "$cc_tmp/one.bin" "$cc_tmp/two.bin"; }
alternate "${ROUNDS:-5}" cc_quilby cc_cmp

echo "quilby ${QUILBY_MEDIAN}s, cmp ${TOOL_MEDIAN}s"
echo "contentcompare ratio=$RATIO quilby_s=$QUILBY_MEDIAN cmp_s=$TOOL_MEDIAN"
