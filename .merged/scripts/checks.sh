# Sourced by the test scripts: check WHAT COMMAND... runs the command, prints "ok: WHAT" or
# "FAILED: WHAT", and counts both in passes and failures.
failures=0
passes=0
check() {
    local what=$1
    shift
    if "$@"; then
        echo "ok: $what"
        passes=$((passes + 1))
    else
        echo "FAILED: $what"
        failures=$((failures + 1))
    fi
}
