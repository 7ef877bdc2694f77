#!/bin/sh
# Stands in for qiro-batch --help in the manual page generator's test; FAKE_HELP picks the table.
cat <<'HEAD'
qiro-batch: reads JSON Lines requests on standard input and writes one reply per line.
Exit status: 0 every request succeeded, 1 some request failed, 2 input unreadable.

Operations:
HEAD
case ${FAKE_HELP:-} in
  awkward)
    # Text that roff or a CMake list would misread if passed through as it is.
    printf '%s\n' \
      '  Awkward(Core: part number, x: float64, Second?: part number)' \
      '      .starts with a dot; has [brackets], a \backslash and 50 % of μH.' \
      '  NoArgs()' \
      "      'starts with a quote"
    ;;
  unknown-line)
    printf '%s\n' '  Fine(x: float32)' '      a summary' 'Notes: something new'
    ;;
  unknown-type)
    printf '%s\n' '  Fine(x: complex128)' '      a summary'
    ;;
  no-summary)
    printf '%s\n' '  First(x: float32)' '  Second(x: float32)' '      a summary'
    ;;
esac
