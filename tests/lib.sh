# What the shell tests share, sourced after their "set -euo pipefail": a scratch folder and the
# processes they start in the background (add them to pids), both gone at the end; fail and
# wait_for; a window manager; the sanitizer settings for the program under test; and Windows paths
# for Wine; the windows' titles and the design's places. It sets the EXIT trap, which first calls on_exit where the test defines one.
tests=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
scratch=$(mktemp -d)
pids=()

# Stops what the test started, the last first.
stop_all() {
    local i pid
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        pid=${pids[i]}
        kill "$pid" 2>/dev/null || true
        # Some (Orca) now and then hang on their way out.
        for _ in $(seq 30); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    pids=()
}
# The windows' titles, read from their designs: the main window's caption, and About's, which its
# load makes from the application's title.
main_title=$(sed -n 's/^ *\.caption = "\(.*\)",$/\1/p' "$tests/../main_window/form1_design.cpp")
about_title="About $(sed -n 's/^set(PRETEXTOR_TITLE "\(.*\)")$/\1/p' "$tests/../CMakeLists.txt")"

# middle_of CONTROL: the middle of a control of the main window, "x y" in its pixels at 96 dpi.
middle_of() {
    local rect left top width height
    rect=$(grep -A4 "\.name = \"$1\"," "$tests/../main_window/form1_design.cpp" |
        sed -n 's/^ *\.rect = {\([0-9, ]*\)},$/\1/p' | tr -d ' ')
    IFS=, read -r left top width height <<<"$rect"
    echo "$(((2 * left + width) / 30)) $(((2 * top + height) / 30))"
}

trap 'if declare -F on_exit >/dev/null; then on_exit; fi; stop_all; rm -rf "$scratch"' EXIT

# A command that fails under "set -e" would end the test without a word: name it and its line.
# The command a wrapper runs for its caller (ending in "$@") has said for itself what failed.
set -o errtrace
trap 'lib_status=$?; [[ $BASH_COMMAND == *\"\$@\" ]] ||
    echo "FAILED: status $lib_status from \"$BASH_COMMAND\" at ${BASH_SOURCE[0]##*/}:$LINENO" >&2' ERR

# fail MESSAGE: ends the test; a test that defines on_failure says more there.
fail() {
    echo "FAILED: $*" >&2
    if declare -F on_failure >/dev/null; then
        on_failure >&2
    fi
    exit 1
}

# wait_for DESCRIPTION SECONDS COMMAND...: retries the command every 0.1 s, fails when it never
# succeeds.
wait_for() {
    local what=$1 tenths=$(($2 * 10)) t
    shift 2
    for ((t = 0; t < tenths; t++)); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    fail "$what"
}
gone() { ! kill -0 "$1" 2>/dev/null; }

# Openbox on $DISPLAY, stopped at the end; false when it does not take the screen within 30 s. It
# names its check window once it has.
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
start_window_manager() {
    openbox --sm-disable >"$scratch/openbox" 2>&1 &
    pids+=($!)
    for _ in $(seq 300); do
        wm_ready && return 0
        kill -0 "${pids[-1]}" 2>/dev/null || break
        sleep 0.1
    done
    echo "openbox did not take the screen $DISPLAY" >&2
    cat "$scratch/openbox" >&2
    return 1
}

# In the sanitizer build, what the libraries keep until the end is not the program's to report.
# Some suppressions need whole stacks: "$LSAN_OPTIONS$whole_stacks".
export LSAN_OPTIONS="suppressions=$tests/lsan_suppressions.txt:print_suppressions=0"
whole_stacks=:fast_unwind_on_malloc=0

# A file's path as a Windows program under Wine names it.
windows_path() {
    local path
    path=$(realpath "$1")
    printf 'Z:%s' "${path//\//\\}"
}
