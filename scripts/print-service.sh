#!/usr/bin/env bash
# A private print service for the printing tests: its own cupsd with a
# cups-pdf queue as the default printer, so that a test can print for real
# and read back the PDF the queue produced. The system's CUPS is not touched.
#
#   print-service.sh start   starts it, waits until the queue accepts jobs and
#                            prints the `export` lines to eval:
#                            CUPS_SERVER (the service's local socket),
#                            CORVANE_PDF_OUTPUT_DIR (where the PDFs appear),
#                            CORVANE_PRINT_SERVICE_DIR (what `stop` removes).
#   print-service.sh stop    stops the service named by CORVANE_PRINT_SERVICE_DIR
#                            (or the last one started) and removes its files.
#
# Needs root: the cups-pdf backend only runs as root. cups-pdf reads its
# settings from a fixed path under /etc/cups, so cupsd runs in a mount
# namespace of its own where our settings file is bound over that path; where
# namespaces are not allowed, a uniquely named settings file is put beside
# the system one for the time the service runs and removed by `stop`
# (CORVANE_PRINT_SERVICE_NO_NAMESPACE=1 chooses that way on purpose).
set -euo pipefail

queue=CorvanePDF
# /tmp, not $TMPDIR: the filters run as lp and must reach the spool, and the
# socket path must stay short.
pointer=/tmp/corvane-print-service.last
system_conf_dir=/etc/cups

fail() {
  echo "print-service.sh: $*" >&2
  exit 1
}

find_ppd() {
  local p
  for p in /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd /usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd \
           /usr/share/cups/model/CUPS-PDF_opt.ppd /usr/share/cups/model/CUPS-PDF.ppd; do
    if [ -f "$p" ]; then echo "$p"; return 0; fi
  done
  return 1
}

write_configuration() {
  local dir=$1 socket=$2
  mkdir -p "$dir/etc/ppd" "$dir/spool/tmp" "$dir/cache" "$dir/run" "$dir/log" \
           "$dir/pdf" "$dir/cups-pdf-spool"
  chmod 0755 "$dir" "$dir/run" "$dir/log"
  # The PDFs are written as the job's user; anyone may read them back.
  chmod 0777 "$dir/pdf"

  cat >"$dir/etc/cups-files.conf" <<EOF
ServerRoot $dir/etc
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/run
ServerBin /usr/lib/cups
DataDir /usr/share/cups
DocumentRoot /usr/share/cups/doc-root
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
User lp
Group lp
SystemGroup root
FileDevice No
EOF

  # Local socket only, no browsing, no sharing; everyone on this machine may
  # use it, which is what a throw-away test queue needs.
  cat >"$dir/etc/cupsd.conf" <<EOF
Listen $socket
Browsing No
BrowseLocalProtocols none
DefaultShared No
WebInterface No
LogLevel warn
MaxLogSize 0
DefaultAuthType None
JobRetryLimit 0
PreserveJobHistory Yes
PreserveJobFiles No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
EOF

  cat >"$dir/etc/cups-pdf.conf" <<EOF
Out $dir/pdf
AnonDirName $dir/pdf
Spool $dir/cups-pdf-spool
Log $dir/log
LogType 3
Grp lp
UserUMask 0022
AnonUMask 0022
EOF
}

start_cupsd() {
  local dir=$1 conf_name=$2
  local cupsd_args=(-f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf")
  # Preferred: a private mount namespace in which our settings are the ones
  # cups-pdf finds at its fixed path. The trial bind lives and dies in a
  # namespace of its own.
  if [ -z "${CORVANE_PRINT_SERVICE_NO_NAMESPACE:-}" ] &&
     [ -f "$system_conf_dir/cups-pdf.conf" ] &&
     unshare --mount --propagation private \
       mount --bind "$dir/etc/cups-pdf.conf" "$system_conf_dir/cups-pdf.conf" 2>/dev/null; then
    setsid unshare --mount --propagation private \
      sh -c 'mount --bind "$1" "$2" && shift 2 && exec /usr/sbin/cupsd "$@"' \
      cupsd-private "$dir/etc/cups-pdf.conf" "$system_conf_dir/cups-pdf.conf" "${cupsd_args[@]}" \
      >"$dir/log/cupsd.out" 2>&1 </dev/null &
    echo $! >"$dir/run/cupsd.pid"
    echo "cups-pdf:/" >"$dir/run/device-uri"
    return 0
  fi
  # Otherwise cups-pdf reads /etc/cups/cups-pdf-<name>.conf for the device
  # cups-pdf:/<name>; the name is unique to this instance.
  [ -d "$system_conf_dir" ] || fail "$system_conf_dir is missing; is printer-driver-cups-pdf installed?"
  cp "$dir/etc/cups-pdf.conf" "$system_conf_dir/cups-pdf-$conf_name.conf"
  echo "$system_conf_dir/cups-pdf-$conf_name.conf" >"$dir/run/extra-conf"
  setsid /usr/sbin/cupsd "${cupsd_args[@]}" >"$dir/log/cupsd.out" 2>&1 </dev/null &
  echo $! >"$dir/run/cupsd.pid"
  echo "cups-pdf:/$conf_name" >"$dir/run/device-uri"
}

wait_for() {
  local what=$1; shift
  local i
  for i in $(seq 1 100); do
    if "$@" >/dev/null 2>&1; then return 0; fi
    sleep 0.1
  done
  return 1
}

# lpstat -r exits 0 either way; only its text tells.
scheduler_running() {
  [ -S "$1" ] && lpstat -h "$1" -r 2>/dev/null | grep -q 'scheduler is running'
}

stop_service() {
  local dir=$1
  [ -d "$dir" ] || return 0
  if [ -f "$dir/run/cupsd.pid" ]; then
    local pid
    pid=$(cat "$dir/run/cupsd.pid")
    if kill "$pid" 2>/dev/null; then
      local i
      for i in $(seq 1 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
      done
      kill -9 "$pid" 2>/dev/null || true
    fi
  fi
  if [ -f "$dir/run/extra-conf" ]; then
    rm -f "$(cat "$dir/run/extra-conf")"
  fi
  case $dir in
    */corvane-cups.*) rm -rf "$dir" ;;
  esac
  if [ -f "$pointer" ] && [ "$(cat "$pointer")" = "$dir" ]; then rm -f "$pointer"; fi
}

start_service() {
  [ "$(id -u)" -eq 0 ] || fail "must run as root: the cups-pdf backend only runs as root"
  [ -x /usr/sbin/cupsd ] || fail "cupsd is missing; run scripts/install-deps.sh"
  [ -x /usr/lib/cups/backend/cups-pdf ] || fail "the cups-pdf backend is missing; run scripts/install-deps.sh"
  command -v lpadmin >/dev/null || fail "lpadmin is missing; run scripts/install-deps.sh"
  local ppd
  ppd=$(find_ppd) || fail "the cups-pdf PPD is missing; run scripts/install-deps.sh"

  local dir socket
  dir=$(mktemp -d /tmp/corvane-cups.XXXXXX)
  socket=$dir/run/cups.sock
  write_configuration "$dir" "$socket"
  start_cupsd "$dir" "corvane-$(basename "$dir" | cut -d. -f2)"
  echo "$dir" >"$pointer"

  if ! wait_for "the scheduler" scheduler_running "$socket"; then
    cat "$dir/log/cupsd.out" "$dir/log/error_log" >&2 2>/dev/null || true
    stop_service "$dir"
    fail "the private cupsd did not start"
  fi
  # The page reaches cups-pdf as PostScript; made by pdftocairo its fonts
  # keep their Unicode names, so the text of the final PDF can be searched
  # (Ghostscript's own conversion turns them into unnamed Type 3 glyphs).
  if ! lpadmin -h "$socket" -p "$queue" -E -v "$(cat "$dir/run/device-uri")" -P "$ppd" \
       -D "Corvane test printer (PDF)" -o printer-error-policy=abort-job \
       -o pdftops-renderer-default=pdftocairo >"$dir/log/lpadmin.out" 2>&1 ||
     ! lpadmin -h "$socket" -d "$queue" >>"$dir/log/lpadmin.out" 2>&1 ||
     ! wait_for "the queue" lpstat -h "$socket" -a "$queue"; then
    cat "$dir/log/lpadmin.out" "$dir/log/error_log" >&2 2>/dev/null || true
    stop_service "$dir"
    fail "the cups-pdf queue could not be set up"
  fi

  echo "export CUPS_SERVER='$socket'"
  echo "export CORVANE_PDF_OUTPUT_DIR='$dir/pdf'"
  echo "export CORVANE_PRINT_SERVICE_DIR='$dir'"
}

case ${1:-} in
  start) start_service ;;
  stop)
    dir=${CORVANE_PRINT_SERVICE_DIR:-}
    if [ -z "$dir" ] && [ -f "$pointer" ]; then dir=$(cat "$pointer"); fi
    [ -n "$dir" ] && stop_service "$dir"
    exit 0
    ;;
  *) echo "usage: $0 start|stop" >&2; exit 2 ;;
esac
