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

run_half() {
  "$ui_tests" --gtest_filter="$1" 2>&1 | tee "$folder/half.log" >&2
  if grep -q '\[  SKIPPED \]' "$folder/half.log"; then
    echo "cups_print_test: $1 was skipped" >&2
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
