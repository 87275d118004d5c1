#!/usr/bin/env bash
# Prints a page through a real print queue: a private CUPS scheduler with a
# CUPS-PDF queue on US Letter, the program's own print path (the page setup
# dialog answered with that queue), then the job's title as the scheduler
# holds it and the figures' sizes in the PDF the queue wrote. Then two
# queues that fail the job, and the message box each failure shows: one
# that refuses jobs, one removed as the dialog closes.
#   cups_print_test.sh <ui_tests binary>
set -euo pipefail
ui_tests="${1:?usage: cups_print_test.sh UI_TESTS}"
# shellcheck source=private_cups.sh
source "$(dirname "${BASH_SOURCE[0]}")/private_cups.sh"

queue=tarnwick-pdf
folder=$(mktemp -d)
trap 'stop_private_cups; rm -rf "$folder"' EXIT
start_private_cups "$folder"
add_pdf_queue "$queue" Letter

# Runs one half in ui_tests. A filter that matches nothing exits 0 as well,
# so the half counts only when it was the one test that ran and it passed.
run_half() {
  local log="$folder/half.log" status=0
  "$ui_tests" --gtest_filter="$1" >"$log" 2>&1 || status=$?
  cat "$log" >&2
  if [ "$status" != 0 ]; then
    echo "cups_print_test: $1 ended with status $status" >&2
    return 1
  fi
  if ! grep -qF '[==========] 1 test from 1 test suite ran.' "$log"; then
    echo "cups_print_test: not exactly one test ran for $1" >&2
    return 1
  fi
  if ! grep -qF "[       OK ] $1 (" "$log" || ! grep -qF '[  PASSED  ] 1 test.' "$log"; then
    echo "cups_print_test: $1 did not pass (or was skipped)" >&2
    return 1
  fi
}

TARNWICK_PRINT_QUEUE="$queue" run_half PrintTest.QueuePrintsTheFigureSet
job=$(wait_for_job_done "$queue")
title=$(private_cups_job_title "$job")
if [ "$title" != "Tarnwick Page" ]; then
  echo "cups_print_test: job $job is titled '$title', not 'Tarnwick Page'" >&2
  exit 1
fi
pdf=$(private_cups_job_pdf "$queue" "$job")
TARNWICK_PRINTED_PDF="$pdf" run_half PrintTest.QueuesPdfHoldsTheFigureSetAtTrueSize
echo "cups_print_test: job $job '$title' printed $pdf at true size"

add_pdf_queue tarnwick-refusing Letter
cupsreject tarnwick-refusing
TARNWICK_REFUSING_QUEUE=tarnwick-refusing run_half PrintTest.QueueRefusingTheJobIsTold
add_pdf_queue tarnwick-vanishing Letter
TARNWICK_VANISHING_QUEUE=tarnwick-vanishing run_half PrintTest.QueueGoneBeforePrintingIsTold
echo "cups_print_test: a refused job and a queue gone were told"
