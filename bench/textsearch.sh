# textsearch: the text search's core over one directory of 2,000 files
# holding 1 GiB in all, for a text that is absent (every byte is read),
# against grep -lF; the key "nocase" is the same with any case against
# grep -liF. The files stay in the page cache: both sides read from memory.
textsearch_tmp=$(mktemp -d "${TMPDIR:-/tmp}/quilby-textsearch-XXXXXX")
trap 'rm -rf "$textsearch_tmp"' EXIT
"$BENCH_BIN/search_bench" gen "$textsearch_tmp/files"
cat "$textsearch_tmp"/files/* >/dev/null
text="zulu-not-there"

ts_quilby() { time_cmd "$BENCH_BIN/search_bench" find "$textsearch_tmp/files" "$text"; }
ts_grep() { time_cmd grep -rlF "$text" "$textsearch_tmp/files" || true; }
alternate "${ROUNDS:-3}" ts_quilby ts_grep
sensitive=$RATIO; q1=$QUILBY_MEDIAN; g1=$TOOL_MEDIAN

ts_quilby_i() { time_cmd "$BENCH_BIN/search_bench" find "$textsearch_tmp/files" "$text" i; }
ts_grep_i() { time_cmd grep -rliF "$text" "$textsearch_tmp/files" || true; }
alternate "${ROUNDS:-3}" ts_quilby_i ts_grep_i

echo "quilby ${q1}s, grep -lF ${g1}s; any case: quilby ${QUILBY_MEDIAN}s, grep -liF ${TOOL_MEDIAN}s"
echo "textsearch ratio=$sensitive nocase=$RATIO quilby_s=$q1 grep_s=$g1"
