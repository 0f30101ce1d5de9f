# hexscroll: the hex viewer drawing 10,000 random screens of a sparse 4 GiB
# file (every cell's text, 40 rows of 16 bytes a screen). There is no
# standard tool to compare with: the keys are the median milliseconds a
# screen (target: under 5) and the bytes read a screen.
hexscroll_tmp=$(mktemp -d "${TMPDIR:-/tmp}/quilby-hexscroll-XXXXXX")
trap 'rm -rf "$hexscroll_tmp"' EXIT
truncate -s 4G "$hexscroll_tmp/big.bin"
printf 'the last bytes' | dd of="$hexscroll_tmp/big.bin" bs=1 seek=$((4 * 1024 * 1024 * 1024 - 14)) conv=notrunc status=none

ms=""; bytes=""
for ((i = 0; i < ${ROUNDS:-3}; i++)); do
  read -r m b _ < <("$BENCH_BIN/hexscroll_bench" "$hexscroll_tmp/big.bin" 10000)
  ms+="$m"$'\n'; bytes=$b
done
median_ms=$(printf '%s' "$ms" | grep -v '^$' | median)
echo "hex viewer: ${median_ms} ms a screen (median of ${ROUNDS:-3} rounds of 10,000 screens), ${bytes} bytes read a screen"
echo "hexscroll ratio=none ms_per_screen=$median_ms bytes_per_screen=$bytes"
