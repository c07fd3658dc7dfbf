#!/usr/bin/env bash
# Drives the built program under Xvfb with the keyboard only: Start Testing, Practice Exam A
# from the Exams menu, leave the exam, quit. Checks that the current exam held exactly the
# bank's Practice Exam A items and that the file was held exclusively while the exam ran.
#
#   exam_keyboard.sh APP_DIR TARNWICK_BANK
set -u
app_dir=$1
bank_tool=$2
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    sleep 0.2
    for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT
trap "exit 1" INT TERM
fail() {
    echo "FAIL: $*" >&2
    [ -f "$work/program.log" ] && sed "s/^/program: /" "$work/program.log" >&2
    xprop -root _NET_CLIENT_LIST >&2 2>/dev/null
    ps -o pid,stat,cmd -p "${pids[*]// /,}" >&2 2>/dev/null
    exit 1
}

# The program and its data, in a folder of their own, so the build's tables stay untouched.
mkdir -p "$work/app" "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
cp -r "$app_dir"/. "$work/app/"
"$bank_tool" dump "$work/app/halvard.DAT" >"$work/bank.json" || fail "cannot read the bank"

# A private display; its number arrives on a pipe, perhaps in two writes.
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
display=""
while IFS= read -r -t 20 -u "$fd" line; do display+=$line; break; done
[ -n "$display" ] || fail "Xvfb gave no display"
export DISPLAY=":$display"
openbox >/dev/null 2>&1 &
pids+=($!)

export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime"
export DBUS_SESSION_BUS_ADDRESS=disabled:
unset QT_QPA_PLATFORM

# Waits until a window with this exact title is on the client list; prints its id.
wait_for_window() {
    local title=$1
    for _ in $(seq 200); do
        for id in $(xprop -root _NET_CLIENT_LIST 2>/dev/null | grep -o '0x[0-9a-f]*'); do
            name=$(xprop -id "$id" _NET_WM_NAME 2>/dev/null | sed -n 's/.*= "\(.*\)"$/\1/p')
            state=$(xprop -id "$id" WM_STATE 2>/dev/null | grep -c 'Normal')
            if [ "$name" = "$title" ] && [ "$state" -gt 0 ]; then
                echo "$id"
                return 0
            fi
        done
        sleep 0.1
    done
    return 1
}
keys_to() {
    local id=$1; shift
    xdotool windowactivate --sync "$id" 2>/dev/null || xdotool windowfocus --sync "$id"
    for k in "$@"; do
        xdotool key --clearmodifiers "$k"
        sleep 0.3 # a menu opened by the previous key must be up before the next
    done
}
# Is the exam file held? The bank tool then cannot read it.
exam_file_held() { ! "$bank_tool" dump "$work/app/ces.DAT" >/dev/null 2>"$work/held.txt"; }

# Keys reach a window only once the window manager runs.
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
(cd / && exec "$work/app/tarnwick") >"$work/program.log" 2>&1 &
program=$!
pids+=($program)

launcher=$(wait_for_window "Tarnwick") || fail "no launcher"
keys_to "$launcher" alt+t
exam=""
for _ in $(seq 100); do
    exam=$(wait_for_window "Tarnwick") && [ "$exam" != "$launcher" ] && break
    sleep 0.1
done
[ -n "$exam" ] && [ "$exam" != "$launcher" ] || fail "no exam window"
keys_to "$exam" alt+m a
dialog=$(wait_for_window "Begin Practice Exam A") || fail "no name dialog"
keys_to "$dialog" Return

for _ in $(seq 100); do exam_file_held && break; sleep 0.1; done
exam_file_held || fail "ces.DAT was not held while the exam ran"
grep -q "in use by another copy of the program" "$work/held.txt" || fail "unexpected error: $(cat "$work/held.txt")"

keys_to "$exam" alt+x
confirm=$(wait_for_window "Confirm") || fail "no confirmation"
keys_to "$confirm" Return
for _ in $(seq 100); do exam_file_held || break; sleep 0.1; done
exam_file_held && fail "ces.DAT still held after leaving the exam"

"$bank_tool" dump "$work/app/ces.DAT" >"$work/exam.json" || fail "cannot read the exam"
# "Q_ID" and "Q_EXAM_N" pairs of the canonical dump.
pairs() { awk '/"Q_ID":/ {gsub(/[^0-9]/, ""); id=$0} /"Q_EXAM_N":/ {gsub(/[^0-9]/, ""); print id, $0}' "$1"; }
pairs "$work/bank.json" | awk '$2 == 1 {print $1}' | sort -n >"$work/expected.txt"
pairs "$work/exam.json" | awk '{print $1}' | sort -n >"$work/actual.txt"
[ -s "$work/expected.txt" ] || fail "the bank has no Practice Exam A items"
diff -q "$work/expected.txt" "$work/actual.txt" >/dev/null ||
    fail "ces.DAT does not hold exactly the Practice Exam A items, each once"

# Quit: File > Exit closes the exam window, then the launcher's Exit ends the program.
keys_to "$exam" alt+f x
for _ in $(seq 100); do
    xprop -id "$exam" WM_STATE 2>/dev/null | grep -q Normal || break
    sleep 0.1
done
launcher=$(wait_for_window "Tarnwick") || fail "the launcher did not come back"
[ "$launcher" != "$exam" ] || fail "the exam window did not close"
keys_to "$launcher" alt+x
for _ in $(seq 100); do kill -0 "$program" 2>/dev/null || break; sleep 0.1; done
kill -0 "$program" 2>/dev/null && fail "the program did not end"
echo "exam_keyboard: $(wc -l <"$work/actual.txt") items of Practice Exam A; passed"
