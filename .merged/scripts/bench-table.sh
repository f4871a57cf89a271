#!/bin/bash
# Prints one table of the process-level benchmarks. Every operation runs as a process of its
# own beside the plain tool doing the same input and output in a fresh process: cat of the
# input for reading, cp of the output (or cat of it into a file) for writing. Both are measured
# in the same run, in turn, and the least of REPEAT runs is compared (what a busy machine adds
# is never less): wall time (what the user waits) and processor time (the work). "goal met" is
# printed only when the processor-time ratio meets the goal (and the memory goal, if any).
#
# usage: scripts/bench-table.sh [BUILD_DIR]
#   SIZES="1 10 100"   catalogue sizes in MB (the benchmark catalogues carry accented and
#                      other non-ASCII names and long free texts)
#   REPEAT=9           runs of each command; ROWS="load export dump build json-export check" picks rows
#   MARKDOWN=1         prints the table as Markdown, as the README shows it
#   WORK=DIR           where the catalogues are made and kept (default: a new temporary folder)
#
# A new row: set BASE (the plain command) and BASE_OUT (its standard output: a file or
# /dev/null), RUN and RUN_OUT the same for the measured command, then call
#   row "operation" "size label" GOAL "baseline in words" [MEMORY_GOAL FILE]
# MEMORY_GOAL compares the measured command's peak memory, less that of an idle process,
# with the size of FILE.
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
cli=$build/bin/modelwright-cli
helper=$build/bin/mw_process_bench
sizes=${SIZES:-"1 10 100"}
repeat=${REPEAT:-9}
rows=${ROWS:-"load export dump build json-export check"}
work=${WORK:-$(mktemp -d /tmp/mw-bench-table.XXXXXX)}
mkdir -p "$work"
for tool in "$cli" "$helper"; do
    [[ -x $tool ]] || { echo "missing $tool: build the modelwright-cli and mw_process_bench targets" >&2; exit 2; }
done

# measure OUTPUT COMMAND...: "wall cpu peak-KiB" of one run; what the command says on standard
# error (the free-text faults of an export) is not shown.
measure() {
    "$helper" measure "$@" 2>/dev/null || { echo "failed: ${*:2}" >&2; exit 1; }
}

least() {
    sort -g | head -n 1
}

idle_kib=$(measure - "$helper" idle | awk '{ print $3 }')

markdown=${MARKDOWN:-}
echo "load average at start: $(cut -d' ' -f1-3 /proc/loadavg); $(nproc) cores; $repeat runs each, the least"
if [[ -n $markdown ]]; then
    echo
    echo "| operation | size | baseline | processor s | baseline s | ratio | goal | wall s | baseline wall s | memory / file | verdict |"
    echo "|---|---|---|---|---|---|---|---|---|---|---|"
else
    printf '%-22s %-7s %-22s %9s %9s %7s %9s %9s %7s %6s %8s  %s\n' \
        operation size baseline "wall s" "base s" "wall x" "cpu s" "base s" "cpu x" goal "mem/file" verdict
fi
row() {
    local name=$1 size=$2 goal=$3 baseline=$4 memory_goal=${5:-} memory_file=${6:-}
    local runs=() bases=() i
    for ((i = 0; i < repeat; i++)); do
        bases+=("$(measure "$BASE_OUT" "${BASE[@]}")")
        runs+=("$(measure "$RUN_OUT" "${RUN[@]}")")
    done
    local rw rc rm bw bc
    rw=$(printf '%s\n' "${runs[@]}" | awk '{ print $1 }' | least)
    rc=$(printf '%s\n' "${runs[@]}" | awk '{ print $2 }' | least)
    rm=$(printf '%s\n' "${runs[@]}" | awk '{ print $3 }' | least)
    bw=$(printf '%s\n' "${bases[@]}" | awk '{ print $1 }' | least)
    bc=$(printf '%s\n' "${bases[@]}" | awk '{ print $2 }' | least)
    awk -v name="$name" -v size="$size" -v baseline="$baseline" -v rw="$rw" -v rc="$rc" -v bw="$bw" -v bc="$bc" \
        -v goal="$goal" -v rm="$rm" -v idle="$idle_kib" -v mgoal="$memory_goal" -v markdown="$markdown" \
        -v fbytes="$([[ -n $memory_file ]] && stat -c %s "$memory_file" || echo 0)" 'BEGIN {
        wx = bw > 0 ? rw / bw : 0; cx = bc > 0 ? rc / bc : 1e9
        met = cx <= goal
        mem = "-"
        if (mgoal != "" && fbytes > 0) {
            m = (rm - idle) * 1024 / fbytes; mem = sprintf("%.2f", m)
            met = met && m <= mgoal
        }
        goals = goal (mgoal != "" ? "," mgoal : ""); verdict = met ? "goal met" : "missed"
        if (markdown != "")
            printf "| %s | %s | %s | %.3f | %.3f | %.1f× | ≤ %s×%s | %.3f | %.3f | %s | %s |\n", name, size, baseline,
                rc, bc, cx, goal, (mgoal != "" ? ", memory ≤ " mgoal "× the file" : ""), rw, bw, mem, verdict
        else
            printf "%-22s %-7s %-22s %9.3f %9.3f %7.1f %9.3f %9.3f %7.1f %6s %8s  %s\n", name, size, baseline,
                rw, bw, wx, rc, bc, cx, goals, mem, verdict
    }'
}

for size in $sizes; do
    wo3=$work/catalogue-$size.wo3
    json=$work/catalogue-$size.json
    [[ -s $wo3 ]] || "$helper" make "$size" "$wo3" >/dev/null
    [[ -s $json ]] || "$cli" dump "$wo3" >"$json"
    [[ -s $work/out-$size.bdf ]] || "$cli" export "$wo3" -o "$work/out-$size.bdf" 2>/dev/null
    label="${size} MB"
    for r in $rows; do
        case $r in
        load)
            BASE=(cat "$wo3") BASE_OUT=/dev/null
            RUN=("$helper" load "$wo3") RUN_OUT=-
            row "load (open, free)" "$label" 15 "cat of the .wo3" 2.5 "$wo3" ;;
        export)
            BASE=(cp "$work/out-$size.bdf" "$work/copy.bdf") BASE_OUT=-
            RUN=("$cli" export "$wo3" -o "$work/run.bdf") RUN_OUT=-
            row "export (.wo3)" "$label" 3 "cp of the .bdf" ;;
        dump)
            BASE=(cat "$json") BASE_OUT=$work/copy.json
            RUN=("$cli" dump "$wo3") RUN_OUT=$work/run.json
            row "dump" "$label" 4 "cat of the JSON to a file" ;;
        build)
            BASE=(cat "$json") BASE_OUT=/dev/null
            RUN=("$cli" build "$json" -o "$work/run.wo3") RUN_OUT=-
            row "build" "$label" 20 "cat of the JSON" ;;
        json-export)
            BASE=(cat "$json") BASE_OUT=/dev/null
            RUN=("$cli" export "$json" -o "$work/run.bdf") RUN_OUT=-
            row "export (.json)" "$label" 40 "cat of the JSON" ;;
        check)
            # The exported file, and files of the shortest lines that each make something to
            # keep. Faults in them (free texts hold any words) make check end with status 1,
            # which is success here.
            BASE=(cat "$work/out-$size.bdf") BASE_OUT=/dev/null
            RUN=(sh -c '"$0" check "$1"; test $? -le 1' "$cli" "$work/out-$size.bdf") RUN_OUT=/dev/null
            row "check (.bdf)" "$label" 40 "cat of the .bdf" 3 "$work/out-$size.bdf"
            # (yes ends when head has taken enough.)
            bytes=$((size * 1048576))
            [[ -s $work/parts-$size.bdf ]] || { yes Structure || true; } | head -c $bytes >"$work/parts-$size.bdf"
            [[ -s $work/points-$size.bdf ]] || { printf 'Structure "1" "a"\n3DQuads 1 1\n'; yes '0 0 0' || true; } |
                head -c $bytes >"$work/points-$size.bdf"
            [[ -s $work/lines-$size.bdf ]] || { printf 'Structure "1" "a"\n'; yes 'Line 0 0 0 0' || true; } |
                head -c $bytes >"$work/lines-$size.bdf"
            for dense in parts points lines; do
                BASE=(cat "$work/$dense-$size.bdf")
                RUN=(sh -c '"$0" check "$1"; test $? -le 1' "$cli" "$work/$dense-$size.bdf")
                row "check (only $dense)" "$label" 40 "cat of the .bdf" 3 "$work/$dense-$size.bdf"
            done ;;
        esac
    done
    rm -f "$work/copy.bdf" "$work/run.bdf" "$work/copy.json" "$work/run.json" "$work/run.wo3"
done
[[ -z $markdown ]] || echo
echo "load average at end: $(cut -d' ' -f1-3 /proc/loadavg); files in $work"
