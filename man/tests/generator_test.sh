#!/bin/sh
# The qiro-batch(1) generator: awkward summaries come out as clean roff, and a table it
# cannot read stops it instead of leaving operations out of the page.
# Usage: generator_test.sh CMAKE SOURCE_DIR WORK_DIR
set -u
cmake=$1
here=$2
work=$3
mkdir -p "$work"
failed=0

generate() {  # case, output page
  FAKE_HELP=$1 "$cmake" -DBATCH="$here/tests/fake_batch.sh" -DTEMPLATE="$here/qiro-batch.1.in" \
    -DOUTPUT="$2" -DVERSION=0.0.0 -P "$here/batch_operations.cmake" >"$work/log" 2>&1
}

if generate awkward "$work/awkward.1"; then
  FAKE_HELP=awkward "$here/check_man_page.sh" "$work/awkward.1" "$here/tests/fake_batch.sh" \
    >"$work/check" 2>&1
  status=$?
  # 77: no man nor groff here, which check_man_page.sh says in its own test.
  if [ "$status" -ne 0 ] && [ "$status" -ne 77 ]; then
    echo "FAIL: the page made from awkward summaries:"; cat "$work/check"; failed=1
  fi
  for text in 'Awkward' 'NoArgs' '\&.starts with a dot\N'"'59'"' has \(lBbrackets\(rB, a \ebackslash' \
              'No arguments.' '\fICore\fP (part number)' '\fISecond\fP (part number, optional)'; do
    if ! grep -qF -- "$text" "$work/awkward.1"; then
      echo "FAIL: the awkward page lacks: $text"; failed=1
    fi
  done
  if grep -q '^\.starts\|^'"'"'starts\|@OPERATIONS@\|@VERSION@' "$work/awkward.1"; then
    echo "FAIL: a summary or a marker was left as a roff request"; failed=1
  fi
  if grep -qF 'of μH..' "$work/awkward.1"; then
    echo "FAIL: a summary's own full stop was doubled"; failed=1
  fi
else
  echo "FAIL: the generator refused awkward but readable summaries:"; cat "$work/log"; failed=1
fi

for bad in unknown-line unknown-type no-summary; do
  if generate "$bad" "$work/$bad.1"; then
    echo "FAIL: the generator accepted a table with $bad"; failed=1
  elif ! grep -q 'CMake Error' "$work/log"; then
    echo "FAIL: no error message for $bad:"; cat "$work/log"; failed=1
  fi
done

[ "$failed" -eq 0 ] && echo "OK: the generator escapes awkward summaries and refuses tables it cannot read"
exit "$failed"
