#!/bin/bash
# Starts the local print server and makes a PDF printer its default, so that
# the printing tests print on real paper, as it were: every job becomes a PDF
# in $HOME/PDF of the user who printed it. Installs nothing; safe to run again.
set -euo pipefail

sudo=()
if [[ $(id -u) -ne 0 ]]; then
    sudo=(sudo)
fi

scheduler_running() {
    [[ "$(lpstat -r 2>/dev/null)" == "scheduler is running" ]]
}

if ! scheduler_running; then
    # cupsd puts itself in the background.
    "${sudo[@]}" /usr/sbin/cupsd
    for _ in $(seq 1 60); do
        scheduler_running && break
        sleep 0.5
    done
    if ! scheduler_running; then
        echo "start-print-server: the print server did not start" >&2
        exit 1
    fi
fi

# The pdftocairo renderer keeps the text of the PDF readable by pdftotext.
"${sudo[@]}" lpadmin -p PDF -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_noopt.ppd \
    -o pdftops-renderer-default=pdftocairo
"${sudo[@]}" lpadmin -d PDF

if [[ "$(lpstat -d 2>/dev/null)" != "system default destination: PDF" ]]; then
    echo "start-print-server: PDF is not the default printer" >&2
    exit 1
fi
echo "start-print-server: scheduler running, default printer PDF (output in \$HOME/PDF)"
