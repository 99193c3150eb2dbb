#!/usr/bin/env bash
# The command line timed from outside the process, as a script uses it: start-up of
# `vazolar --version`, the longest `dimensionar` runs, `verificar` of a pipe, `remanso` of a
# backwater curve, `lote` over 10,000 ordinary channels, and the memory of `lote` over 100,000
# and 1,000,000 channels and over one line of 100 MB. Prints medians of N runs in milliseconds.
#
#   bench/cli.sh [runs] [build folder]        default: 15 runs, build/release
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
tree=${2:-build/release}
vazolar=$tree/app/vazolar
if [ ! -x "$vazolar" ]; then
    echo "No $vazolar: build it first (scripts/build $tree)." >&2
    exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The command line needs no display; make sure none is used.
unset DISPLAY WAYLAND_DISPLAY

now_ns() { date +%s%N; }

# median_ms COMMAND...: runs the command $runs times (its exit status ignored) and prints the
# median wall time in milliseconds.
median_ms() {
    local times=() start
    for ((i = 0; i < runs; i++)); do
        start=$(now_ns)
        "$@" >/dev/null 2>&1 || true
        times+=($((($(now_ns) - start) / 1000)))
    done
    printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {printf "%.1f ms\n", a[int((NR+1)/2)]/1000}'
}

# A lote file of N ordinary channels: the four shapes in turn, slope 0,1 %, n 0,015, start
# 0,5 m, a step of 0,05 m and design discharges from 0,20 to 2,99 m³/s (at most 60 trials).
channels() {
    awk -v n="$1" 'BEGIN {
        print "forma;i;angulo;n;q;inicial;incremento"
        split("trapezoidal retangular triangular circular", shape, " ")
        for (k = 0; k < n; k++) {
            q = 0.20 + (k * 37 % 280) / 100
            printf "%s;0,1;30;0,015;%s;0,5;0,05\n", shape[k % 4 + 1], sprintf("%.2f", q)
        }
    }' | sed 's/\([0-9]\)\.\([0-9]\)/\1,\2/g'
}
channels 10000 >"$work/lote10k.csv"
channels 100000 >"$work/lote100k.csv"

echo "vazolar --version (start-up):              $(median_ms "$vazolar" --version)"
# 32768 trials that never reach the design discharge: the run ends on the trial limit.
echo "dimensionar, 32768 trials to the limit:    $(median_ms "$vazolar" dimensionar trapezoidal \
    --i 0 --angulo 30 --n 0,015 --q 0,5 --inicial 0,5)"
# The longest run that ends well: 32767 trials of a rectangle, its report saved.
longest=(dimensionar retangular --i 0,1 --n 0,015 --q 4598,8 --inicial 0,001 --incremento 0,001)
echo "dimensionar, 32767 trials, report saved:   $(median_ms "$vazolar" "${longest[@]}" \
    --saida "$work/canal.TXT")"
echo "dimensionar, 32767 trials, CSV with check: $(median_ms "$vazolar" "${longest[@]}" \
    --formato csv --saida "$work/canal.csv")"
# One adopted section, the costliest shape: the pipe's normal and critical depths.
echo "verificar, circle D 0,90:                  $(median_ms "$vazolar" verificar circular \
    --D 0,90 --i 0,1 --n 0,015 --q 0,5 --ymaxd 0,85)"
# The M1 backwater of the worked trapezoid over 2 km, and over 10 km with 1001 stations.
echo "remanso, M1 over 2 km, 11 stations:         $(median_ms "$vazolar" remanso trapezoidal \
    --b 0,70 --angulo 30 --i 0,1 --n 0,015 --q 0,5 --y0 1,00 --comprimento 2000 --passo 200)"
echo "remanso, M1 over 10 km, 1001 stations, CSV: $(median_ms "$vazolar" remanso trapezoidal \
    --b 0,70 --angulo 30 --i 0,1 --n 0,015 --q 0,5 --y0 1,00 --comprimento 10000 --passo 10 \
    --formato csv)"
echo "lote, 10,000 channels:                     $(median_ms "$vazolar" lote "$work/lote10k.csv" \
    --saida "$work/resumo.csv")"
# peak_mb COMMAND...: the command's peak resident memory in MB, from /usr/bin/time.
peak_mb() {
    local kb
    kb=$(/usr/bin/time -f '%M' "$@" 2>&1 >/dev/null | tail -n 1)
    echo "$((kb / 1024)) MB RSS"
}
if [ -x /usr/bin/time ]; then
    echo "lote, 100,000 channels, peak memory:       $(peak_mb "$vazolar" lote "$work/lote100k.csv" \
        --saida "$work/resumo.csv")"
    channels 1000000 >"$work/lote1m.csv"
    echo "lote, 1,000,000 channels, peak memory:     $(peak_mb "$vazolar" lote "$work/lote1m.csv" \
        --saida "$work/resumo.csv")"
    # One line of 100 MB: refused as too long, read in bounded memory, from a pipe.
    echo "lote, one 100 MB line, peak memory:        $(peak_mb bash -c "{ echo 'forma;i;n;q'; \
        head -c 100000000 /dev/zero | tr '\\0' 7; echo; } | '$vazolar' lote -")"
fi
