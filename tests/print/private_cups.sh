# shellcheck shell=bash
# A throwaway CUPS scheduler for print tests.
#
# Source this file, then:
#   start_private_cups "$(mktemp -d)"   # scheduler on a Unix socket there
#   trap stop_private_cups EXIT
#   add_pdf_queue tarnwick-pdf          # a CUPS-PDF queue on it
#   lp -t "Tarnwick Page" -d tarnwick-pdf file   (or print from the program)
#   job=$(wait_for_job_done tarnwick-pdf)        # newest job, or give its id
#   private_cups_job_title "$job"; private_cups_job_pdf tarnwick-pdf "$job"
#
# The scheduler keeps its configuration, spool, cache, state and logs in the
# folder and listens on "$folder/cups.sock" only, never on a TCP port. Clients
# (lp, lpstat, lpadmin, and libcups inside the program, so QPrinterInfo too)
# find it through CUPS_SERVER, which start_private_cups exports. A cupsd the
# machine itself may be running is neither contacted nor disturbed.
#
# Root is required: the cups-pdf backend refuses to run as anything else, and
# cupsd runs a backend as root only when cupsd itself is root. Filters never
# run as root; they run as lp, so lp must be able to reach the folder (it is
# made 0755 here; its parents must be searchable by others).
#
# cups-pdf reads its settings from /etc/cups only. Where mount namespaces are
# allowed, cupsd runs in a namespace of its own with a private cups-pdf.conf
# bound over /etc/cups/cups-pdf.conf, so PDFs, cups-pdf's log and its spool
# stay in the folder. Elsewhere the machine's settings apply (on Debian: ~/PDF
# of the job's owner, /var/log/cups, /var/spool/cups-pdf). Either way
# private_cups_job_pdf finds the file through cups-pdf's own log.
# PRIVATE_CUPS_SHARED_PDF_CONF=1 forces the machine's settings.

PRIVATE_CUPS_DIR=""
PRIVATE_CUPS_PID=""
PRIVATE_CUPS_PDF_LOG_DIR=""

_private_cups_fail() {
  echo "private_cups: $*" >&2
  return 1
}

_private_cups_running() {
  [ -n "$PRIVATE_CUPS_PID" ] && kill -0 "$PRIVATE_CUPS_PID" 2>/dev/null
}

_private_cups_diagnostics() {
  local log
  for log in "$PRIVATE_CUPS_DIR/log/cupsd.out" "$PRIVATE_CUPS_DIR/log/error_log"; do
    if [ -s "$log" ]; then
      echo "--- last lines of $log" >&2
      tail -n 20 "$log" >&2
    fi
  done
}

# The socket path, percent-encoded as the host of an ipp:// URI.
_private_cups_uri() {
  local path="$CUPS_SERVER" out="" c i
  for ((i = 0; i < ${#path}; i++)); do
    c="${path:i:1}"
    case "$c" in
      [A-Za-z0-9._~-]) out+="$c" ;;
      *) out+=$(printf '%%%02X' "'$c") ;;
    esac
  done
  printf 'ipp://%s' "$out"
}

_private_cups_write_config() {
  local dir="$1"
  cat >"$dir/etc/cups-files.conf" <<EOF
ServerRoot $dir/etc
StateDir $dir/state
CacheDir $dir/cache
RequestRoot $dir/spool
TempDir $dir/tmp
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
Printcap $dir/etc/printcap
User lp
Group lp
SystemGroup root
PeerCred on
CreateSelfSignedCerts no
FileDevice no
EOF

  # Admin operations need root, proven over the socket by peer credentials.
  # Job attributes stay visible to every local caller so tests can read
  # titles. A failing job is aborted rather than stopping its queue.
  cat >"$dir/etc/cupsd.conf" <<EOF
Listen $dir/cups.sock
LogLevel ${PRIVATE_CUPS_LOG_LEVEL:-info}
MaxLogSize 0
Browsing No
BrowseLocalProtocols none
DefaultShared No
WebInterface No
ErrorPolicy abort-job
PreserveJobHistory Yes
PreserveJobFiles No
PageLogFormat %j	%p	%u	%P	%C	%{job-name}
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit CUPS-Add-Modify-Printer CUPS-Delete-Printer CUPS-Add-Modify-Class CUPS-Delete-Class CUPS-Set-Default CUPS-Get-Devices Pause-Printer Resume-Printer Enable-Printer Disable-Printer CUPS-Accept-Jobs CUPS-Reject-Jobs Cancel-Jobs Purge-Jobs>
    AuthType Default
    Require user @SYSTEM
    Order deny,allow
  </Limit>
  <Limit Validate-Job Cancel-My-Jobs Close-Job CUPS-Get-Document All>
    Order deny,allow
  </Limit>
</Policy>
EOF

  # GSTmp takes a bare folder; cups-pdf adds "TMPDIR=" itself.
  cat >"$dir/etc/cups-pdf.conf" <<EOF
Out $dir/pdf
AnonDirName $dir/pdf-anonymous
Spool $dir/cups-pdf-spool
Log $dir/log
GSTmp $dir/tmp
Grp lp
Label 2
TitlePref 1
LogType 7
DecodeHexStrings 1
EOF

  cat >"$dir/etc/job.test" <<'EOF'
{
  NAME "Get-Job-Attributes"
  OPERATION Get-Job-Attributes
  GROUP operation-attributes-tag
  ATTR charset attributes-charset utf-8
  ATTR naturalLanguage attributes-natural-language en
  ATTR uri job-uri $uri
  ATTR name requesting-user-name $user
  STATUS successful-ok
}
EOF
}

# Whether cupsd can be given its own view of /etc/cups/cups-pdf.conf.
_private_cups_can_bind_pdf_conf() {
  [ "${PRIVATE_CUPS_SHARED_PDF_CONF:-0}" != 1 ] || return 1
  [ -f /etc/cups/cups-pdf.conf ] || return 1
  unshare --mount --propagation private \
    mount --bind "$1" /etc/cups/cups-pdf.conf >/dev/null 2>&1
}

# The log folder of the machine's cups-pdf.conf (built-in: /var/log/cups).
_private_cups_machine_pdf_log_dir() {
  local dir
  dir=$(sed -n 's/^[[:space:]]*Log[[:space:]]\+//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -n 1)
  printf '%s' "${dir:-/var/log/cups}"
}

# start_private_cups FOLDER
# FOLDER must be absent or empty. Exports CUPS_SERVER once cupsd answers.
start_private_cups() {
  local dir="${1:?usage: start_private_cups FOLDER}" tool i
  if _private_cups_running; then
    _private_cups_fail "already running (pid $PRIVATE_CUPS_PID) in $PRIVATE_CUPS_DIR"
    return
  fi
  if [ "$(id -u)" -ne 0 ]; then
    _private_cups_fail "must run as root: the cups-pdf backend refuses to run otherwise"
    return
  fi
  for tool in cupsd lpstat lpadmin ipptool setpriv unshare; do
    if ! command -v "$tool" >/dev/null; then
      _private_cups_fail "$tool is missing; run scripts/setup"
      return
    fi
  done
  if [ ! -x /usr/lib/cups/backend/cups-pdf ]; then
    _private_cups_fail "the cups-pdf backend is missing; run scripts/setup"
    return
  fi

  mkdir -p "$dir" && dir=$(cd "$dir" && pwd -P) || return
  if [ -n "$(ls -A "$dir")" ]; then
    _private_cups_fail "$dir is not empty; give a fresh folder"
    return
  fi
  # sun_path holds 108 bytes with the terminating NUL.
  local socket="$dir/cups.sock"
  if [ ${#socket} -gt 107 ]; then
    _private_cups_fail "$dir is too long for a Unix socket path"
    return
  fi
  chmod 0755 "$dir"
  if ! setpriv --reuid=lp --regid=lp --clear-groups test -x "$dir"; then
    _private_cups_fail "user lp cannot reach $dir; its parent folders must be searchable by others"
    return
  fi
  mkdir -p "$dir"/{etc,state,cache,spool,tmp,log,pdf} || return
  # cupsd sets the modes of the folders it manages, but not of a TempDir
  # outside RequestRoot. Filters (as lp) and Ghostscript (as the job's
  # owner) both write here.
  chmod 1777 "$dir/tmp"
  _private_cups_write_config "$dir" || return

  PRIVATE_CUPS_DIR="$dir"
  if ! cupsd -t -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" >"$dir/log/cupsd.out" 2>&1; then
    _private_cups_diagnostics
    _private_cups_fail "cupsd rejected the configuration in $dir/etc"
    return
  fi

  if _private_cups_can_bind_pdf_conf "$dir/etc/cups-pdf.conf"; then
    PRIVATE_CUPS_PDF_LOG_DIR="$dir/log"
    # unshare and sh both exec, so $! is cupsd itself.
    # shellcheck disable=SC2016 # expanded by the inner sh
    unshare --mount --propagation private \
      sh -c 'mount --bind "$1" /etc/cups/cups-pdf.conf && exec cupsd -f -c "$2" -s "$3"' \
      sh "$dir/etc/cups-pdf.conf" "$dir/etc/cupsd.conf" "$dir/etc/cups-files.conf" \
      </dev/null >>"$dir/log/cupsd.out" 2>&1 &
  else
    PRIVATE_CUPS_PDF_LOG_DIR=$(_private_cups_machine_pdf_log_dir)
    echo "private_cups: cups-pdf follows the machine's /etc/cups/cups-pdf.conf" >&2
    cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" \
      </dev/null >>"$dir/log/cupsd.out" 2>&1 &
  fi
  PRIVATE_CUPS_PID=$!
  export CUPS_SERVER="$dir/cups.sock"

  for ((i = 0; i < 100; i++)); do
    if ! _private_cups_running; then
      wait "$PRIVATE_CUPS_PID" 2>/dev/null || true
      PRIVATE_CUPS_PID=""
      _private_cups_diagnostics
      _private_cups_fail "cupsd exited during startup"
      return
    fi
    if [ -S "$CUPS_SERVER" ] && LC_ALL=C lpstat -r 2>/dev/null | grep -qx 'scheduler is running'; then
      return 0
    fi
    sleep 0.1
  done
  _private_cups_diagnostics
  stop_private_cups
  _private_cups_fail "cupsd did not answer on $dir/cups.sock within 10 s"
}

# stop_private_cups: ends cupsd (which ends its jobs) and waits for it.
# Safe to call twice or without a start.
stop_private_cups() {
  local pid="$PRIVATE_CUPS_PID" i
  PRIVATE_CUPS_PID=""
  [ -n "$pid" ] || return 0
  kill -TERM "$pid" 2>/dev/null || true
  for ((i = 0; i < 100; i++)); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    echo "private_cups: cupsd $pid ignored SIGTERM for 10 s; killing it" >&2
    kill -KILL "$pid" 2>/dev/null || true
  fi
  wait "$pid" 2>/dev/null || true
  if [ "${CUPS_SERVER:-}" = "$PRIVATE_CUPS_DIR/cups.sock" ]; then
    unset CUPS_SERVER
  fi
  return 0
}

# The PPD shipped with cups-pdf. The variant with options lets a queue pick
# how output files are labelled and where their title comes from.
private_cups_pdf_ppd() {
  local ppd
  for ppd in /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd /usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd; do
    if [ -f "$ppd" ]; then
      printf '%s\n' "$ppd"
      return 0
    fi
  done
  _private_cups_fail "no CUPS-PDF PPD in /usr/share/ppd/cups-pdf; run scripts/setup"
}

# add_pdf_queue NAME [PAGE_SIZE]
# PAGE_SIZE is the queue's default as a PPD name: A4 (the PPD's own) or
# Letter, say. A job that names its media (Qt always does) overrides it.
# Files are named after the job title with "-job_<id>" appended; the title
# is taken from the job rather than from the PostScript, whose %%Title
# cups-pdf misreads into names such as "Tarnwick_Page__nable".
add_pdf_queue() {
  local name="${1:?usage: add_pdf_queue NAME [PAGE_SIZE]}" size="${2:-}" ppd out
  if ! _private_cups_running; then
    _private_cups_fail "start_private_cups first"
    return
  fi
  ppd=$(private_cups_pdf_ppd) || return
  local options=(-o printer-is-shared=false -o TitlePref=1 -o Label=2)
  if [ -n "$size" ]; then
    options+=(-o "PageSize=$size")
  fi
  # lpadmin always warns that PPD drivers are deprecated; keep that quiet.
  if ! out=$(lpadmin -p "$name" -E -v cups-pdf:/ -P "$ppd" "${options[@]}" 2>&1); then
    _private_cups_fail "lpadmin could not add $name: $out"
    return
  fi
  if ! LC_ALL=C lpstat -a "$name" 2>/dev/null | grep -q "^$name accepting"; then
    _private_cups_fail "queue $name does not accept jobs"
  fi
}

# private_cups_jobs QUEUE: job ids on QUEUE in any state, oldest first.
private_cups_jobs() {
  local queue="${1:?usage: private_cups_jobs QUEUE}" listing
  listing=$(LC_ALL=C lpstat -W all -o "$queue" 2>/dev/null) || true
  awk -v q="$queue-" 'substr($1, 1, length(q)) == q { print substr($1, length(q) + 1) }' \
    <<<"$listing" | sort -n
}

# private_cups_job_attr JOB_ID ATTRIBUTE: the value as ipptool prints it
# (1setOf values comma-separated). Fails if the job or attribute is missing.
private_cups_job_attr() {
  local job="${1:?usage: private_cups_job_attr JOB_ID ATTRIBUTE}" attr="${2:?}" reply value
  reply=$(ipptool -tv "$(_private_cups_uri)/jobs/$job" "$PRIVATE_CUPS_DIR/etc/job.test" 2>/dev/null) || return 1
  value=$(awk -v a="$attr" '
      /RECEIVED:/ { seen = 1; next }
      seen && $1 == a && $3 == "=" { sub(/^[^=]*= /, ""); print; found = 1; exit }
      END { exit !found }' <<<"$reply") || return 1
  printf '%s\n' "$value"
}

# private_cups_job_title JOB_ID: the job's name as the scheduler holds it.
private_cups_job_title() {
  private_cups_job_attr "${1:?usage: private_cups_job_title JOB_ID}" job-name
}

# wait_for_job_done QUEUE [JOB_ID] [TIMEOUT_SECONDS]
# Waits for the job (the newest on QUEUE when no id is given) to finish and
# prints its id. Succeeds only if it completed; an aborted, canceled, held,
# stopped or overdue job is reported with the scheduler's reasons.
wait_for_job_done() {
  local queue="${1:?usage: wait_for_job_done QUEUE [JOB_ID] [TIMEOUT]}" job="${2:-}"
  local timeout="${3:-60}" state="" deadline reasons message
  deadline=$((SECONDS + timeout))
  if [ -z "$job" ]; then
    job=$(private_cups_jobs "$queue" | tail -n 1)
    if [ -z "$job" ]; then
      _private_cups_fail "queue $queue has no jobs"
      return
    fi
  fi
  while :; do
    state=$(private_cups_job_attr "$job" job-state) || state=""
    case "$state" in
      completed)
        printf '%s\n' "$job"
        return 0
        ;;
      # Nothing here releases a held job or restarts a stopped one.
      canceled | aborted | processing-stopped | pending-held) break ;;
    esac
    _private_cups_running || break
    [ "$SECONDS" -lt "$deadline" ] || break
    sleep 0.2
  done
  reasons=$(private_cups_job_attr "$job" job-state-reasons) || reasons=""
  message=$(private_cups_job_attr "$job" job-printer-state-message) || message=""
  _private_cups_diagnostics
  _private_cups_fail "job $job on $queue ended as '${state:-unknown}'" \
    "(reasons: ${reasons:-none}; message: ${message:-none})"
}

# private_cups_job_pdf QUEUE JOB_ID: the PDF cups-pdf wrote for the job, as
# its log for QUEUE names it. Fails unless that file exists.
private_cups_job_pdf() {
  local queue="${1:?usage: private_cups_job_pdf QUEUE JOB_ID}" job="${2:?}" log file
  log="$PRIVATE_CUPS_PDF_LOG_DIR/cups-pdf-${queue}_log"
  if [ ! -r "$log" ]; then
    _private_cups_fail "no cups-pdf log at $log"
    return
  fi
  # Job ids restart with every scheduler, and a shared log outlives it:
  # the last mention is this one's.
  file=$(sed -n "s/.*\] output filename created: \(.*-job_${job}\.pdf\)\$/\1/p" "$log" | tail -n 1)
  if [ -z "$file" ]; then
    _private_cups_fail "cups-pdf logged no output for job $job in $log"
  elif [ ! -f "$file" ]; then
    _private_cups_fail "cups-pdf named $file for job $job, but it is not there"
  else
    printf '%s\n' "$file"
  fi
}
