# The launch benchmarks' arithmetic, for bench/run.sh and bench/windows.sh:
# each launch of the program is a line of $work/quillory, of the floor of $work/floor.

# The median of the numbers on standard input, one a line.
median() {
    sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# One measure: both medians, their ratio, and the median of the ratios
# within each pair, which load drifting across the run does not skew.
row() {
    local name=$1 column=$2 unit=$3
    local q f pairwise
    q=$(cut -d' ' -f"$column" "$work/quillory" | median)
    f=$(cut -d' ' -f"$column" "$work/floor" | median)
    pairwise=$(paste -d' ' <(cut -d' ' -f"$column" "$work/quillory") \
        <(cut -d' ' -f"$column" "$work/floor") | awk '{ print $1 / $2 }' | median)
    awk -v n="$name" -v q="$q" -v f="$f" -v p="$pairwise" -v u="$unit" \
        'BEGIN { printf "%-24s %10.2f %10.2f %7.3f %7.3f  %s\n", n, q, f, q / f, p, u }'
}

