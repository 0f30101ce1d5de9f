# Helpers for the benchmark scripts.
# time_cmd CMD...: runs CMD, prints its wall time in seconds.
time_cmd() {
  local s e
  s=$(date +%s.%N); "$@" >/dev/null; e=$(date +%s.%N)
  echo "$e - $s" | bc -l
}
# median of numbers on stdin
median() { sort -g | awk '{a[NR]=$1} END {if (NR%2) print a[(NR+1)/2]; else print (a[NR/2]+a[NR/2+1])/2}'; }
# alternate ROUNDS QUILBY_FN TOOL_FN: runs both ROUNDS times alternately,
# sets QUILBY_MEDIAN, TOOL_MEDIAN and RATIO.
alternate() {
  local rounds=$1 qfn=$2 tfn=$3 q="" t="" i
  for ((i = 0; i < rounds; i++)); do
    q+="$($qfn)"$'\n'
    t+="$($tfn)"$'\n'
  done
  QUILBY_MEDIAN=$(printf '%s' "$q" | grep -v '^$' | median)
  TOOL_MEDIAN=$(printf '%s' "$t" | grep -v '^$' | median)
  RATIO=$(echo "scale=3; $QUILBY_MEDIAN / $TOOL_MEDIAN" | bc -l)
}
