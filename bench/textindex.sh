# textindex: the text viewer's walk over a 1 GiB file of 80-character lines
# (count the lines, remember every 128th line's offset) against wc -l; the
# file stays in the page cache, so both sides read from memory. Also the
# index's bytes per line and the time until the first screen's rows are
# read (the viewer draws them before the walk starts).
textindex_tmp=$(mktemp -d "${TMPDIR:-/tmp}/quilby-textindex-XXXXXX")
trap 'rm -rf "$textindex_tmp"' EXIT
file="$textindex_tmp/big.txt"
"$BENCH_BIN/textindex_bench" gen "$file"
cat "$file" >/dev/null

ti_quilby() { time_cmd "$BENCH_BIN/textindex_bench" index "$file"; }
ti_wc() { time_cmd wc -l "$file"; }
alternate "${ROUNDS:-3}" ti_quilby ti_wc

per_line=$("$BENCH_BIN/textindex_bench" index "$file" | sed -n 's/.*bytes_per_line=\([0-9.]*\).*/\1/p')
first_us=$(for i in 1 2 3; do "$BENCH_BIN/textindex_bench" first "$file" | cut -d' ' -f1; done | median)
echo "quilby ${QUILBY_MEDIAN}s, wc -l ${TOOL_MEDIAN}s; first screen ${first_us} us"
echo "textindex ratio=$RATIO quilby_s=$QUILBY_MEDIAN wc_s=$TOOL_MEDIAN index_bytes_per_line=$per_line first_screen_us=$first_us"
