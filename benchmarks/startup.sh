#!/usr/bin/env bash
# How much Korvane's own start-up adds to what any Qt window costs: starts
# the built korvane, bare_window (a plain Qt window of the same size) and
# bare_form (the main window's form with nothing of the program's own work)
# in turn, RUNS times each, under their own X server and session bus, and
# reports the medians side by side: the time from exec until the window is
# mapped, and the peak resident memory. Korvane should stay within 3% of a
# yardstick's time and within 2 MiB of its memory.
#
#   benchmarks/startup.sh BUILD_DIR     (RUNS=... to change the count, 20 by
#                                        default; BARE_WINDOW=... to take the
#                                        bare window from another build)
#
# Both programs are measured alike: a fresh copy in a folder of its own for
# every run (Korvane with a settings.cfg beside it, so that no message box
# comes first), started by /usr/bin/time, and seen mapped by one xev that
# watches the root window for the whole session, so no polling sits between
# the map and the clock. Once mapped, a program is left until its memory stops
# growing (its first paint included), then ended with SIGTERM.
set -euo pipefail
export LC_ALL=C  # a decimal point in $EPOCHREALTIME and in awk

if [[ ${1:-} != --in-session ]]; then
    build_dir=${1:?usage: benchmarks/startup.sh BUILD_DIR}
    for tool in xvfb-run xev xprop xwininfo dbus-run-session stdbuf; do
        command -v "$tool" >/dev/null ||
            { echo "startup.sh needs $tool (make bench installs it)." >&2; exit 2; }
    done
    [[ -x /usr/bin/time ]] || { echo "startup.sh needs /usr/bin/time (Debian's time)." >&2; exit 2; }
    for program in "$build_dir/korvane" "${BARE_WINDOW:-$build_dir/bare_window}" \
        "$build_dir/bare_form"; do
        [[ -x $program ]] || { echo "No $program: build it first (make bench builds both)." >&2; exit 2; }
    done
    # No window manager: a map request goes straight to the server, so the
    # time is the program's alone.
    exec xvfb-run -a -s "-screen 0 1280x1024x24" \
        dbus-run-session -- "$0" --in-session "$@" 2> >(grep -v -E "dbus-daemon|Activat" >&2)
fi
shift
build_dir=$1
korvane=$(realpath "$build_dir/korvane")
bare=$(realpath "${BARE_WINDOW:-$build_dir/bare_window}")
form=$(realpath "$build_dir/bare_form")
runs=${RUNS:-20}

work=$(mktemp -d)
# Each program's instance lock and runtime files go here, not to /tmp.
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
xev_pid=
cleanup() {
    [[ -n $xev_pid ]] && kill "$xev_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# The built-in settings, so that Korvane starts without its message box.
write_settings() {
    printf '"%s"\r\n' 1 1 2 10 0.44 5 "Total Free SO2" > "$1"
}

# One xev for the whole session, its events on fd 3, one line at a time.
exec 3< <(exec stdbuf -oL xev -root -event substructure -event property)
xev_pid=$!
# xev listens once it reports a change of a root window property.
listening=
for _ in $(seq 100); do
    xprop -root -f _KORVANE_STARTUP 8s -set _KORVANE_STARTUP ready
    while read -r -t 0.1 line <&3; do
        [[ $line == PropertyNotify* ]] && { listening=yes; break; }
    done
    [[ -n $listening ]] && break
done
[[ -n $listening ]] || { echo "xev does not report the X server's events." >&2; exit 1; }

# Whatever xev reported before a run is not that run's.
drain_events() {
    while read -r -t 0.05 _ <&3; do :; done
}

# Waits for the first top-level window to be mapped and sets $window to its
# id. No subshell: the clock is read as soon as this returns.
wait_for_map() {
    local deadline=$((SECONDS + 30)) line
    while ((SECONDS < deadline)); do
        read -r -t 1 line <&3 || continue
        if [[ $line == MapNotify* ]]; then
            read -r -t 1 line <&3
            # "event 0x..., window 0x..., override NO"
            line=${line#*window }
            window=${line%%,*}
            return 0
        fi
    done
    return 1
}

# Until the resident memory has not changed for 0.3 s (at most 10 s).
wait_for_settled_memory() {
    local pid=$1 last=-1 now same=0 tries=0 key value
    while ((same < 15 && tries < 500)); do
        now=0
        while read -r key value _; do
            [[ $key == VmRSS: ]] && { now=$value; break; }
        done < "/proc/$pid/status"
        if [[ $now == "$last" ]]; then same=$((same + 1)); else same=0; last=$now; fi
        tries=$((tries + 1))
        sleep 0.02
    done
}

# One start of $1; appends "milliseconds KiB" to the file $2.
measure() {
    local program=$1 results=$2 folder name timer pid start mapped kib geometry
    folder=$(mktemp -d "$work/run.XXXXXX")
    name=$(basename "$program")
    cp "$program" "$folder/$name"
    [[ $name == korvane ]] && write_settings "$folder/settings.cfg"
    drain_events
    start=$EPOCHREALTIME
    /usr/bin/time -f %M -o "$folder/time" "$folder/$name" >/dev/null 2>&1 &
    timer=$!
    if ! wait_for_map; then
        echo "$name showed no window within 30 s." >&2
        exit 1
    fi
    mapped=$EPOCHREALTIME
    pid=$(cat "/proc/$timer/task/$timer/children")
    pid=${pid%% *}
    # Only now, off the clock: was it this program's window, and the main
    # one (a message box is smaller)?
    if [[ $(xprop -id "$window" _NET_WM_PID) != *"= $pid" ]]; then
        echo "The window mapped ($window) is not $name's (pid $pid)." >&2
        exit 1
    fi
    geometry=$(xwininfo -id "$window")
    if [[ ! $geometry =~ Width:\ 510.*Height:\ 310 ]]; then
        echo "$name's first window is not its 510 x 310 one:$geometry" >&2
        exit 1
    fi
    wait_for_settled_memory "$pid"
    kill -TERM "$pid"
    wait "$timer" || true
    kib=$(tail -n 1 "$folder/time")
    awk -v s="$start" -v m="$mapped" -v k="$kib" 'BEGIN { printf "%.1f %d\n", (m - s) * 1000, k }' \
        >> "$results"
    rm -rf "$folder"
}

# A first start of each warms the caches (fonts, libraries, the session
# bus's services) and is not counted. Then they take turns, each going first
# every other time, so that a drift in the machine's speed hits both alike.
measure "$bare" "$work/warm-up"
measure "$form" "$work/warm-up"
measure "$korvane" "$work/warm-up"
for ((i = 0; i < runs; i++)); do
    case $((i % 3)) in
        0) order=(bare form korvane) ;;
        1) order=(form korvane bare) ;;
        *) order=(korvane bare form) ;;
    esac
    for which in "${order[@]}"; do
        measure "${!which}" "$work/$which"
    done
done

# The median of column $2 of file $1.
median() {
    cut -d' ' -f"$2" "$1" | sort -n | awk '{ v[NR] = $1 }
        END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
# The lowest and highest of column $2 of file $1, as "low-high".
spread() {
    cut -d' ' -f"$2" "$1" | sort -n | awk 'NR == 1 { low = $1 } { high = $1 } END { print low "-" high }'
}
# How the program's build folder was configured.
build_type() {
    local type
    type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$(dirname "$1")/CMakeCache.txt" 2>/dev/null)
    echo "${type:-unknown build type}"
}

echo "Start-up under Xvfb without a window manager; medians of $runs runs each (lowest-highest):"
echo "  korvane:     $korvane ($(build_type "$korvane"))"
echo "  bare window: $bare ($(build_type "$bare"))"
echo "  bare form:   $form ($(build_type "$form"))"

# Korvane against the yardstick whose results are in file $1, named $2.
compare() {
    echo
    awk -v bt="$(median "$1" 1)" -v kt="$(median "$work/korvane" 1)" \
        -v bm="$(median "$1" 2)" -v km="$(median "$work/korvane" 2)" \
        -v bts="$(spread "$1" 1)" -v kts="$(spread "$work/korvane" 1)" \
        -v bms="$(spread "$1" 2)" -v kms="$(spread "$work/korvane" 2)" -v name="$2" 'BEGIN {
        row = "%-21s %-26s %-26s %-7s %s\n"
        printf row, "", name, "korvane", "ratio", "difference"
        printf row, "window mapped after", sprintf("%.1f ms (%s)", bt, bts),
            sprintf("%.1f ms (%s)", kt, kts), sprintf("%.3f", kt / bt), sprintf("%+.1f ms", kt - bt)
        printf row, "peak resident memory", sprintf("%d KiB (%s)", bm, bms),
            sprintf("%d KiB (%s)", km, kms), sprintf("%.3f", km / bm),
            sprintf("%+d KiB (%+.2f MiB)", km - bm, (km - bm) / 1024)
        printf "korvane within 3%% of the %s'\''s start-up time:  %s (%+.1f%%)\n", name,
            kt <= bt * 1.03 ? "yes" : "NO", (kt / bt - 1) * 100
        printf "korvane within 2 MiB of the %s'\''s peak memory: %s (%+.2f MiB)\n", name,
            km - bm <= 2048 ? "yes" : "NO", (km - bm) / 1024
    }'
}
compare "$work/bare" "bare window"
compare "$work/form" "bare form"
