# treesearch: the drive search's recursive scan (no window) over a tree of
# 200,000 small files in 5,000 directories, searched for "*.TXT" against
# find -xdev -iname -printf (size, time, path of each), and for a text in
# those files against grep -rlF --include; the key "text" is the second
# ratio. The tree stays in the page cache: both sides read from memory.
treesearch_tmp=$(mktemp -d "${TMPDIR:-/tmp}/quilby-treesearch-XXXXXX")
trap 'rm -rf "$treesearch_tmp"' EXIT
"$BENCH_BIN/treesearch_bench" gen "$treesearch_tmp/tree"
find "$treesearch_tmp/tree" -type f -exec cat {} + >/dev/null

tr_quilby() { time_cmd "$BENCH_BIN/treesearch_bench" scan "$treesearch_tmp/tree" "*.TXT"; }
tr_find() { time_cmd find "$treesearch_tmp/tree" -xdev -type f -iname '*.txt' -printf '%s %T@ %p\n'; }
alternate "${ROUNDS:-3}" tr_quilby tr_find
names=$RATIO; q1=$QUILBY_MEDIAN; f1=$TOOL_MEDIAN

tr_quilby_t() { time_cmd "$BENCH_BIN/treesearch_bench" scan "$treesearch_tmp/tree" "*.TXT" needle; }
tr_grep() { time_cmd grep -rlF --include='*.txt' needle "$treesearch_tmp/tree" || true; }
alternate "${ROUNDS:-3}" tr_quilby_t tr_grep

echo "names: quilby ${q1}s, find ${f1}s; text: quilby ${QUILBY_MEDIAN}s, grep -rlF ${TOOL_MEDIAN}s"
echo "treesearch ratio=$names text=$RATIO quilby_s=$q1 find_s=$f1 quilby_text_s=$QUILBY_MEDIAN grep_s=$TOOL_MEDIAN"
