# Sourced by test scripts: named checks, written out as a GoogleTest-style XML
# so that scripts/test counts them one by one.
CHECK_NAMES=()
CHECK_FAILURES=()

# check NAME CONDITION-COMMAND... ; records a pass or a failure
check() {
  local name=$1
  shift
  if "$@"; then
    pass "$name"
  else
    fail "$name" "command failed: $*"
  fi
}

pass() {
  CHECK_NAMES+=("$1")
  CHECK_FAILURES+=("")
  echo "[ PASS ] $1" >&2
}

fail() {
  CHECK_NAMES+=("$1")
  CHECK_FAILURES+=("${2:-failed}")
  echo "[ FAIL ] $1: ${2:-failed}" >&2
}

xml_escape() {
  local s=$1
  s=${s//&/&amp;}
  s=${s//</&lt;}
  s=${s//>/&gt;}
  s=${s//\"/&quot;}
  printf '%s' "$s"
}

# write_checks FILE SUITE; returns non-zero when a check failed
write_checks() {
  local file=$1 suite=$2 i failed=0
  mkdir -p "$(dirname "$file")"
  {
    echo '<?xml version="1.0" encoding="UTF-8"?>'
    echo "<testsuites><testsuite name=\"$suite\">"
    for i in "${!CHECK_NAMES[@]}"; do
      if [ -n "${CHECK_FAILURES[$i]}" ]; then
        failed=1
        echo "<testcase name=\"$(xml_escape "${CHECK_NAMES[$i]}")\" status=\"run\"><failure message=\"$(xml_escape "${CHECK_FAILURES[$i]}")\"/></testcase>"
      else
        echo "<testcase name=\"$(xml_escape "${CHECK_NAMES[$i]}")\" status=\"run\"/>"
      fi
    done
    echo "</testsuite></testsuites>"
  } >"$file"
  return $failed
}
