# Shared by the zendral-cli test scripts: expect OUTPUT EXPECTED and a failure counter.
failures=0
expect() {  # expect "what" "actual" "expected"
  if [ "$2" != "$3" ]; then
    echo "FAIL: $1"
    echo "  expected: $3"
    echo "  actual:   $2"
    failures=$((failures + 1))
  fi
}
finish() {
  [ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
  echo "all checks passed"
}
