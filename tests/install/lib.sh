# Shared by the install test scripts: expect/finish, a temporary folder that anyone may
# enter, and an install of the build tree into a prefix.
failures=0
expect() {  # expect "what" "actual" "expected"
  if [ "$2" != "$3" ]; then
    echo "FAIL: $1"
    echo "  expected: $3"
    echo "  actual:   $2"
    failures=$((failures + 1))
  fi
}
expect_file() {  # expect_file "what" PATH
  if [ ! -f "$2" ]; then
    echo "FAIL: $1: $2 is missing"
    failures=$((failures + 1))
  fi
}
finish() {
  [ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
  echo "all checks passed"
}

# A temporary folder removed on exit (made writable again first).
work=$(mktemp -d)
chmod 755 "$work"
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT

# install_into PREFIX: cmake --install of the build tree; stops the test when it fails.
install_into() {
  if ! "$cmake" --install "$build" --prefix "$1" >"$work/install.log" 2>&1; then
    echo "FAIL: cmake --install into $1"
    cat "$work/install.log"
    exit 1
  fi
}
