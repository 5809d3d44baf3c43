#!/bin/bash
# Brings up a real print queue for the envelope printing tests: cupsd with a
# "PDF" queue (cups-pdf) as the default printer. Installs what is missing,
# starts cupsd when it is not running and adds the queue once; safe to run any
# number of times and from several processes at once. Wine reads the printer
# list when a process starts, so run this before starting the Wine program.
set -e
need=()
command -v cupsd >/dev/null || [ -x /usr/sbin/cupsd ] || need+=(cups)
[ -f /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd ] || need+=(printer-driver-cups-pdf)
command -v pdftotext >/dev/null || need+=(poppler-utils)
# Wine's spooler loads the client library of its own word size.
[ -e /usr/lib/x86_64-linux-gnu/libcups.so.2 ] || need+=(libcups2)
if dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg -s libcups2:i386 >/dev/null 2>&1 || need+=(libcups2:i386)
fi
if [ ${#need[@]} -gt 0 ]; then
    if [ "$(id -u)" != 0 ]; then echo "cups-start: run as root to install: ${need[*]}" >&2; exit 1; fi
    export DEBIAN_FRONTEND=noninteractive
    (
        flock 9
        # Package scripts cannot start services here; cupsd is started below.
        apt-get update -q >/dev/null
        apt-get install -y -q --no-install-recommends "${need[@]}" >/dev/null
    ) 9>/tmp/cups-start.install.lock
fi

exec 9>/tmp/cups-start.lock
flock 9

cups_up() { lpstat -r 2>/dev/null | grep -q "is running"; }
if ! cups_up; then
    mkdir -p /run/cups
    /usr/sbin/cupsd
    for _ in $(seq 1 100); do cups_up && break; sleep 0.1; done
    cups_up || { echo "cups-start: cupsd did not come up" >&2; exit 1; }
fi
if ! lpstat -p PDF >/dev/null 2>&1; then
    lpadmin -p PDF -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd -E
fi
cupsenable PDF 2>/dev/null || true
cupsaccept PDF 2>/dev/null || true
lpadmin -d PDF
# A second queue on the same backend whose driver defaults to 600 dpi, so
# printing can be checked at a second resolution by choosing it in the
# print dialog.
if ! lpstat -p PDF600 >/dev/null 2>&1; then
    ppd600="$(mktemp /tmp/cups-pdf-600.XXXXXX.ppd)"
    sed 's/^\*DefaultResolution: .*/*DefaultResolution: 600dpi/' \
        /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd > "$ppd600"
    lpadmin -p PDF600 -v cups-pdf:/ -P "$ppd600" -E
    rm -f "$ppd600"
fi
cupsenable PDF600 2>/dev/null || true
cupsaccept PDF600 2>/dev/null || true
# Where cups-pdf drops the files: $HOME/PDF of the submitting user.
out="$(grep -E '^Out ' /etc/cups/cups-pdf.conf 2>/dev/null | awk '{print $2}')"
echo "cups-start: queues PDF (default, 300 dpi) and PDF600 ready (output ${out:-\${HOME\}/PDF})"
