#!/usr/bin/env bash
# Drives the real vazolar executable on a private X server (Xvfb) with real key and mouse events,
# the way a user does: splash, chooser, the trapezoidal worked example sized and saved through the
# real save dialog, its first trial adopted from the trial list's menu, a switch to the circular
# form, the circular worked example, and the close box of the last window, after which the
# program must end by itself with status 0.
#
# Usage: tests/e2e/run.sh PATH-TO-VAZOLAR
# Exit status 0 when every step passed; otherwise a message naming the step that failed, and a
# screenshot of the screen at that moment (its path is printed).
#
# Needs Xvfb, xdotool, ImageMagick's import, a C compiler and the Xlib headers (the close request
# is sent by the small helper wm_delete_window.c, compiled here).
#
# Locale: the program runs with LANG=LC_ALL=C.UTF-8, deliberately not pt_BR: the program must
# read and write Brazilian numbers and speak Portuguese whatever the machine's language is, and
# C.UTF-8 exists on every Debian system (pt_BR.UTF-8 usually is not generated), while still
# giving Qt UTF-8 file names.
#
# Synchronisation: every step waits for something the X server can tell (a window mapped or
# gone, the keyboard focus, the process state) or for a file, each with a timeout. Positions
# are the centres of the controls, computed from their rectangles in twips (15 twips = 1 pixel,
# no scaling: the window sizes are checked before anything is clicked).

set -u -o pipefail

readonly TIMEOUT_S=20        # a window appearing or going away, a file appearing
readonly EXIT_TIMEOUT_S=10   # the process ending after its last window closed
# The splash timer starts after launch and runs 2000 ms; Qt's coarse timers may fire up to 5 %
# early. So the chooser can never come sooner than this after launch, however busy the machine.
readonly CHOOSER_AFTER_LAUNCH_MIN_MS=1900
readonly SCREEN_W=1280 SCREEN_H=1024

if (($# != 1)); then
    echo "usage: $0 PATH-TO-VAZOLAR" >&2
    exit 2
fi
APP=$(readlink -f -- "$1")
if [[ ! -x $APP || -d $APP ]]; then
    echo "e2e: not an executable: $1" >&2
    exit 2
fi
HERE=$(cd -- "$(dirname -- "${BASH_SOURCE[0]}")" && pwd)
EXAMPLES=$(cd -- "$HERE/../examples" && pwd)
for tool in Xvfb xdotool import cc cmp; do
    if ! command -v "$tool" >/dev/null; then
        echo "e2e: $tool is missing (packages xvfb, xdotool, imagemagick, gcc)" >&2
        exit 2
    fi
done

WORK=$(mktemp -d "${TMPDIR:-/tmp}/vazolar-e2e.XXXXXX")
USER_HOME=$WORK/home
mkdir -m 700 "$USER_HOME" "$WORK/runtime"

XVFB_PID=
APP_PID=
APP_RC=
DISPLAY_NUM=
STEP="setting up"
START_US=${EPOCHREALTIME/./}

now_ms() { echo $(( ${EPOCHREALTIME/./} / 1000 )); }
elapsed() { printf '%6.2fs' "$(( ${EPOCHREALTIME/./} - START_US ))e-6"; }
step() {
    STEP=$1
    echo "$(elapsed)  $STEP"
}

# ---------------------------------------------------------------------------------------------
# Failure, screenshot and cleanup

app_running() {
    # A process that has ended stays a zombie until it is waited for: ask its state, not kill -0.
    [[ -n $APP_PID && -z $APP_RC && -r /proc/$APP_PID/stat ]] || return 1
    local stat
    stat=$(</proc/"$APP_PID"/stat) || return 1
    stat=${stat##*) }
    [[ ${stat%% *} != Z ]]
}

reap_app() {
    if [[ -n $APP_PID && -z $APP_RC ]]; then
        wait "$APP_PID"
        APP_RC=$?
    fi
}

describe_windows() {
    local id
    [[ -n $APP_PID ]] || return 0
    echo "visible windows of vazolar:"
    for id in $(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null); do
        window_geometry "$id" || continue
        echo "  $id \"$(xdotool getwindowname "$id" 2>/dev/null)\" ${WIN_W}x${WIN_H}+${WIN_X}+${WIN_Y}"
    done
}

fail() {
    echo "FAIL [$STEP]: $*" >&2
    if [[ -n $DISPLAY_NUM ]]; then
        describe_windows >&2
        echo "keyboard focus: $(xdotool getwindowfocus 2>/dev/null)" >&2
    fi
    exit 1
}

cleanup() {
    local status=$?
    trap - EXIT
    if ((status != 0)); then
        if [[ -n $DISPLAY_NUM ]] && import -window root "$WORK/failure.png" 2>/dev/null; then
            echo "screenshot: $WORK/failure.png" >&2
        fi
        if [[ -s $WORK/vazolar.log ]]; then
            echo "--- vazolar output ($WORK/vazolar.log):" >&2
            tail -n 40 "$WORK/vazolar.log" >&2
        fi
    fi
    if app_running; then
        kill "$APP_PID" 2>/dev/null
        for _ in {1..30}; do app_running || break; sleep 0.1; done
        app_running && kill -KILL "$APP_PID" 2>/dev/null
    fi
    [[ -n $APP_PID && -z $APP_RC ]] && wait "$APP_PID" 2>/dev/null
    if [[ -n $XVFB_PID ]]; then
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
    fi
    if ((status == 0)); then
        rm -rf -- "$WORK"
    else
        echo "e2e: kept $WORK" >&2
    fi
    exit "$status"
}
trap cleanup EXIT
trap 'echo "e2e: interrupted" >&2; exit 130' INT TERM

# ---------------------------------------------------------------------------------------------
# Windows

# Sets WIN_X, WIN_Y, WIN_W, WIN_H of a window (its client area: there is no window manager).
window_geometry() {
    local out key value
    out=$(xdotool getwindowgeometry --shell "$1" 2>/dev/null) || return 1
    WIN_X='' WIN_Y='' WIN_W='' WIN_H=''
    while IFS='=' read -r key value; do
        case $key in
            X) WIN_X=$value ;;
            Y) WIN_Y=$value ;;
            WIDTH) WIN_W=$value ;;
            HEIGHT) WIN_H=$value ;;
        esac
    done <<<"$out"
    [[ -n $WIN_X && -n $WIN_Y && -n $WIN_W && -n $WIN_H ]]
}

# Prints its arguments sorted by number, on one line, as visible_windows sets VISIBLE.
sorted_ids() {
    local ids
    ids=$(printf '%s\n' "$@" | sort -n | tr '\n' ' ')
    echo "${ids% }"
}

# Sets VISIBLE to the ids of the mapped windows of vazolar, sorted. A window may vanish while
# xdotool walks the tree; such a walk fails and is simply repeated.
visible_windows() {
    local out
    for _ in 1 2 3; do
        if out=$(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null) || [[ -z $out ]]; then
            # shellcheck disable=SC2086 # one id per word
            VISIBLE=$(sorted_ids $out)
            return 0
        fi
    done
    VISIBLE=
}

# Sets FOUND to the visible vazolar window whose name matches the regex, if there is one.
find_named() {
    local id
    FOUND=
    visible_windows
    for id in $VISIBLE; do
        if [[ $(xdotool getwindowname "$id" 2>/dev/null) =~ $1 ]]; then
            FOUND=$id
            return 0
        fi
    done
    return 1
}

# Sets FOUND to the visible vazolar window of the given size, if there is one.
find_sized() {
    local id
    FOUND=
    visible_windows
    for id in $VISIBLE; do
        if window_geometry "$id" && ((WIN_W == $1 && WIN_H == $2)); then
            FOUND=$id
            return 0
        fi
    done
    return 1
}

check_alive() {
    app_running && return 0
    reap_app
    fail "vazolar ended (exit status $APP_RC) $1"
}

# wait_named REGEX WHAT [BOX]: waits for a visible window named REGEX, sets FOUND. With BOX,
# a window named "VAZOLAR" (the caption of the program's message boxes) fails at once: it means
# that the step before went wrong. (The splash is named "VAZOLAR" too: Qt names an untitled
# window after the application.)
wait_named() {
    local deadline=$(($(now_ms) + TIMEOUT_S * 1000))
    while (($(now_ms) < deadline)); do
        check_alive "while waiting for $2"
        find_named "$1" && return 0
        if [[ -n ${3:-} ]] && find_named '^VAZOLAR$'; then
            fail "a VAZOLAR message box appeared while waiting for $2"
        fi
        sleep 0.03
    done
    fail "$2 did not appear within ${TIMEOUT_S}s"
}

# wait_only ID WHAT: waits until ID is the one visible window of vazolar.
wait_only() {
    local deadline=$(($(now_ms) + TIMEOUT_S * 1000))
    while (($(now_ms) < deadline)); do
        check_alive "while waiting for $2"
        visible_windows
        [[ $VISIBLE == "$1" ]] && return 0
        sleep 0.03
    done
    fail "$2: expected window $1 alone on screen, found: ${VISIBLE:-none}"
}

# wait_focus ID WHAT: waits until the X keyboard focus is on the top-level window ID.
wait_focus() {
    local deadline=$(($(now_ms) + TIMEOUT_S * 1000))
    while (($(now_ms) < deadline)); do
        check_alive "while waiting for the focus on $2"
        [[ $(xdotool getwindowfocus 2>/dev/null) == "$1" ]] && return 0
        sleep 0.03
    done
    fail "$2 did not get the keyboard focus within ${TIMEOUT_S}s"
}

# check_window ID WHAT WIDTH HEIGHT: the client area has this size and is centred on the screen.
check_window() {
    window_geometry "$1" || fail "cannot read the geometry of $2"
    ((WIN_W == $3 && WIN_H == $4)) ||
        fail "$2 is ${WIN_W}x${WIN_H} pixels, expected $3x$4 (15 twips to the pixel)"
    local want_x=$(((SCREEN_W - $3) / 2)) want_y=$(((SCREEN_H - $4) / 2))
    ((WIN_X >= want_x - 1 && WIN_X <= want_x + 1 && WIN_Y >= want_y - 1 && WIN_Y <= want_y + 1)) ||
        fail "$2 is at $WIN_X,$WIN_Y, expected centred at $want_x,$want_y"
}

# ---------------------------------------------------------------------------------------------
# Mouse and keyboard (XTest events, as from a real device)

# click WINDOW X Y: a left click at a pixel of the window's client area.
click() {
    check_alive "before a click"
    # No --sync: xdotool would wait for a movement that never comes when the pointer is
    # already there. The server handles the move and the click in order anyway.
    xdotool mousemove --window "$1" "$2" "$3" click 1 || fail "xdotool could not click"
    sleep 0.1
}

# click_control WINDOW LEFT TOP WIDTH HEIGHT: clicks the centre of a control given in twips,
# relative to the window's client area.
click_control() {
    click "$1" $(((2 * $2 + $4) / 30)) $(((2 * $3 + $5) / 30))
}

# type_into WINDOW LEFT TOP WIDTH HEIGHT TEXT: clicks into a text field and types TEXT.
type_into() {
    click_control "$1" "$2" "$3" "$4" "$5"
    wait_focus "$1" "the window"
    xdotool type --delay 20 -- "$6" || fail "xdotool could not type"
}

# save_report FORM PATH: SALVAR, then the path typed into the real save dialog.
save_report() {
    local form=$1 path=$2 dialog deadline expected
    click_control "$form" 5640 720 2055 735 # cmbsalvar
    wait_named '^Salvar como$' 'the save dialog "Salvar como"' box
    dialog=$FOUND
    # The dialog takes the focus when it opens; its file name field holds the proposed name,
    # selected, so typing replaces it.
    wait_focus "$dialog" 'the save dialog'
    xdotool type --delay 20 -- "$path" || fail "xdotool could not type"
    # While a path is typed the file name completer may pop up a list. Return on that list
    # would only close it, so wait until form and dialog are the only windows again.
    deadline=$(($(now_ms) + TIMEOUT_S * 1000))
    expected=$(sorted_ids "$form" "$dialog")
    while visible_windows && [[ $VISIBLE != "$expected" ]]; do
        (($(now_ms) < deadline)) || fail "windows other than the form and the dialog stay open: $VISIBLE"
        check_alive "while typing into the save dialog"
        sleep 0.05
    done
    xdotool key Return || fail "xdotool could not press Return"
    wait_only "$form" 'the save dialog closing'
    deadline=$(($(now_ms) + TIMEOUT_S * 1000))
    until [[ -f $path.TXT ]]; do
        (($(now_ms) < deadline)) || fail "$path.TXT was not written within ${TIMEOUT_S}s; the folder holds: $(find "$(dirname "$path")" -mindepth 1 -maxdepth 1 -printf "%f ")"
        sleep 0.05
    done
    # The report is written with QSaveFile, so it appears complete; a size that still changes
    # would say otherwise.
    local size=-1
    while [[ $(stat -c %s -- "$path.TXT") != "$size" ]]; do
        size=$(stat -c %s -- "$path.TXT")
        sleep 0.1
    done
}

# expect_same ACTUAL EXPECTED: byte for byte; on a difference, shows it line by line.
expect_same() {
    cmp -- "$1" "$2" >&2 && return 0
    local shown
    shown=$(diff <(as_text "$2") <(as_text "$1") | head -n 24)
    fail "$(basename "$1") differs from $2 (diff: < expected, > saved; CR shown as <CR>):
$shown"
}

# The report as UTF-8 text with its line ends visible.
as_text() {
    iconv -f WINDOWS-1252 -t UTF-8 -- "$1" | sed $'s/\r$/<CR>/'
}

# ---------------------------------------------------------------------------------------------
# Set-up: the close helper, the X server, the program

step "compiling the close helper"
cc -std=c99 -O1 -o "$WORK/wm_delete_window" "$HERE/wm_delete_window.c" -lX11 2>"$WORK/cc.log" ||
    fail "cannot compile wm_delete_window.c (needs libx11-dev): $(cat "$WORK/cc.log")"

step "starting Xvfb"
# Xvfb picks a free display itself and writes its number once it accepts connections.
: >"$WORK/display"
Xvfb -displayfd 3 -screen 0 "${SCREEN_W}x${SCREEN_H}x24" -nolisten tcp -noreset \
    3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
deadline=$(($(now_ms) + TIMEOUT_S * 1000))
# read succeeds only once the whole line, newline included, is there.
until read -r DISPLAY_NUM <"$WORK/display" && [[ $DISPLAY_NUM =~ ^[0-9]+$ ]]; do
    DISPLAY_NUM=
    kill -0 "$XVFB_PID" 2>/dev/null || fail "Xvfb did not start: $(cat "$WORK/xvfb.log")"
    (($(now_ms) < deadline)) || fail "Xvfb gave no display number within ${TIMEOUT_S}s"
    sleep 0.02
done
export DISPLAY=:$DISPLAY_NUM
echo "         display $DISPLAY, home $USER_HOME"

step "starting vazolar"
passed_env=()
for name in ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS LD_LIBRARY_PATH; do
    [[ -n ${!name:-} ]] && passed_env+=("$name=${!name}")
done
# Taken before the launch, so that the time measured from it is never too short.
launched_ms=$(now_ms)
# A clean environment: nothing of the caller's Qt, scaling or locale settings leaks in. The
# save dialog starts in the working directory, the fresh home.
(
    cd "$USER_HOME" &&
        exec env -i PATH="$PATH" HOME="$USER_HOME" XDG_RUNTIME_DIR="$WORK/runtime" \
            DISPLAY="$DISPLAY" QT_QPA_PLATFORM=xcb LANG=C.UTF-8 LC_ALL=C.UTF-8 \
            "${passed_env[@]}" "$APP"
) >"$WORK/vazolar.log" 2>&1 &
APP_PID=$!

# ---------------------------------------------------------------------------------------------
# Splash, then chooser

step "waiting for the splash (a 502x340 window)"
deadline=$(($(now_ms) + TIMEOUT_S * 1000))
until find_sized 502 340; do
    check_alive "before the splash appeared"
    find_named '^Vazolar$' && fail "the chooser appeared but the splash was never seen"
    (($(now_ms) < deadline)) || fail "no splash window within ${TIMEOUT_S}s"
    sleep 0.02
done
splash=$FOUND
splash_seen_ms=$(now_ms)
check_window "$splash" "the splash" 502 340

step "waiting for the chooser \"Vazolar\""
wait_named '^Vazolar$' 'the chooser "Vazolar"'
chooser=$FOUND
chooser_ms=$(($(now_ms) - launched_ms))
echo "         the chooser came $chooser_ms ms after launch, $((chooser_ms + launched_ms - splash_seen_ms)) ms after the splash was seen"
((chooser_ms >= CHOOSER_AFTER_LAUNCH_MIN_MS)) ||
    fail "the chooser came $chooser_ms ms after launch; the splash must stay 2 s"
wait_only "$chooser" "the splash closing when the chooser opens"
check_window "$chooser" "the chooser" 378 448

# ---------------------------------------------------------------------------------------------
# Trapezoidal worked example

step "choosing the trapezoidal section"
click_control "$chooser" 120 1560 2055 1095 # cmbtrapezoidal of the chooser
wait_named '^VAZOLAR TRAPEZOIDAL$' 'the form "VAZOLAR TRAPEZOIDAL"'
trapezoidal=$FOUND
wait_only "$trapezoidal" "the chooser closing when the trapezoidal form opens"
check_window "$trapezoidal" "the trapezoidal form" 927 660

step "typing the trapezoidal worked example"
# framedados lies at 120, 1680; the fields at 2760 within it, 1215 x 615.
type_into "$trapezoidal" 2880 2040 1215 615 "0,1"   # txti
type_into "$trapezoidal" 2880 2760 1215 615 "30"    # txtangulo
type_into "$trapezoidal" 2880 3480 1215 615 "0,015" # txtn
type_into "$trapezoidal" 2880 4200 1215 615 "0,5"   # txtQdesejada
type_into "$trapezoidal" 2880 4920 1215 615 "0,5"   # txtb

step "moving the increment to 19 with the scroll bar's right arrow"
# brhincremento: 720, 5760, 2895 x 255; its arrow buttons are as wide as the bar is high.
# From 10, one step of 5 gives 15 and the next stops at the maximum, 19.
arrow_x=$(((720 + 2895 - 255 / 2) / 15))
arrow_y=$(((2 * 5760 + 255) / 30))
click "$trapezoidal" "$arrow_x" "$arrow_y"
click "$trapezoidal" "$arrow_x" "$arrow_y"

step "DIMENSIONAR"
click_control "$trapezoidal" 3120 720 2055 735 # cmbdimensionar

step "SALVAR to $USER_HOME/relatorio_trap"
save_report "$trapezoidal" "$USER_HOME/relatorio_trap"
expect_same "$USER_HOME/relatorio_trap.TXT" "$EXAMPLES/trapezoidal-worked/saved-report.TXT"

step "adopting the first trial from the trial list's menu"
# lstresposta: 4920, 2160, 8775 x 6330 twips; its first row at the top. The menu's second
# entry is "Adotar seção…".
xdotool mousemove --window "$trapezoidal" $(((2 * 4920 + 8775) / 30)) $((2160 / 15 + 10)) click 3 ||
    fail "xdotool could not right-click"
deadline=$(($(now_ms) + TIMEOUT_S * 1000))
while visible_windows && [[ $VISIBLE == "$trapezoidal" ]]; do
    (($(now_ms) < deadline)) || fail "the trial list's menu did not open within ${TIMEOUT_S}s"
    sleep 0.03
done
xdotool key Down Down Return || fail "xdotool could not press the keys"
wait_named '^Seção adotada — Canal trapezoidal$' 'the window "Seção adotada"'
adopted=$FOUND
# 1280 x 1024 has room for the columns (over 1000 pixels wide; the one column is at most 560),
# and they are on the screen whole.
window_geometry "$adopted" || fail "cannot read the geometry of the adopted-section window"
((WIN_W > 1000 && WIN_X >= 0 && WIN_Y >= 0 && WIN_X + WIN_W <= SCREEN_W &&
    WIN_Y + WIN_H <= SCREEN_H)) ||
    fail "the adopted-section window is ${WIN_W}x${WIN_H}+${WIN_X}+${WIN_Y}: expected its columns wholly on the ${SCREEN_W}x${SCREEN_H} screen"
"$WORK/wm_delete_window" "$adopted" || fail "could not send WM_DELETE_WINDOW to $adopted"
wait_only "$trapezoidal" "the adopted-section window closing"

# ---------------------------------------------------------------------------------------------
# Circular worked example

step "switching to the circular form with \"Canal Circular\""
click_control "$trapezoidal" 4200 120 2115 375 # cmbcircular
wait_named '^VAZOLAR CIRCULAR$' 'the form "VAZOLAR CIRCULAR"'
circular=$FOUND
wait_only "$circular" "the trapezoidal form closing when the circular form opens"
check_window "$circular" "the circular form" 925 658

step "typing the circular worked example"
# framedados lies at 840, 2160; the fields at 2760 within it.
type_into "$circular" 3600 2520 1215 615 "0,1"   # txti
type_into "$circular" 3600 3240 1215 615 "0,015" # txtn
type_into "$circular" 3600 3960 1215 615 "0,5"   # txtQdesejada

step "DIMENSIONAR"
click_control "$circular" 3120 720 2055 735 # cmbdimensionar

step "SALVAR to $USER_HOME/relatorio_circ"
save_report "$circular" "$USER_HOME/relatorio_circ"
expect_same "$USER_HOME/relatorio_circ.TXT" "$EXAMPLES/circular-worked/saved-report.TXT"

# ---------------------------------------------------------------------------------------------
# The close box of the last window ends the program

step "closing the circular form as its close box does"
"$WORK/wm_delete_window" "$circular" || fail "could not send WM_DELETE_WINDOW to $circular"
deadline=$(($(now_ms) + EXIT_TIMEOUT_S * 1000))
while app_running; do
    (($(now_ms) < deadline)) || fail "vazolar did not end within ${EXIT_TIMEOUT_S}s of the close request to its last window"
    sleep 0.05
done
reap_app
((APP_RC == 0)) || fail "vazolar ended with exit status $APP_RC, expected 0"
if grep -qE 'AddressSanitizer|LeakSanitizer|runtime error:|ASSERT|Segmentation' "$WORK/vazolar.log"; then
    fail "vazolar reported a fault"
fi
if [[ -s $WORK/vazolar.log ]]; then
    echo "         vazolar wrote:"
    sed 's/^/           /' "$WORK/vazolar.log"
fi

step "passed"
