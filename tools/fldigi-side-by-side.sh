#!/usr/bin/env bash
# Benchmark (not a test): our decoder beside fldigi on the very same WAV files, fldigi listening in real time.
#   tools/fldigi-side-by-side.sh [--cell NAME]... [--seeds 1-6] [--characters 1500] [--build build/native]
#                                [--squelch-off] [--afc-off] [--navtex] [--fax] [--lines 350]
# Cells (default: moderate450+10):
#   clean450       50 Bd / 450 Hz, mark above space (fldigi's normal), +30 dB
#   clean170       45.45 Bd / 170 Hz, mark below space (MMTTY's normal, fldigi's reverse), +30 dB
#   moderate450+10 50 / 450, two-path fading moderate, +10 dB    moderate450+0  the same at 0 dB
#   white170-8     45.45 / 170, white noise only, -8 dB           poor170+10     two-path fading poor, +10 dB
#   fast170-8      45.45 / 170, the sender 1 % fast, -8 dB
# --navtex: NAVTEX instead, the cells bench_navtex's (default: white+10 moderate0 poor0 fast+10 slow+10), each
# seed a whole message that bench_navtex --write-wav makes; fldigi in its mode NAVTEX on 1000 Hz, ours as
# zorbel-decode --navtex, both texts scored by bench_navtex --score (right: header as sent or recovered and at
# most 4 % of the message's characters wrong; the header; the message's and the transmission's CER).
# --fax: radiofax instead (120 lpm, IOC 576, 1900 Hz +-400 Hz), cells white+10 white0 good+10 moderate+10
# clock+200 (fading good or moderate, the sound card 200 millionths fast; default all), each seed (default 101)
# a chart of --lines picture lines that bench_fax --chart draws, sent by zorbel-makewav with start tone, 60
# phasing lines and stop tone between 5 s and 15 s of the cell's noise; fldigi in its mode WEFAX576 saves what
# it receives by itself into its image folder (auto-centring off: the chart has no blank margin to centre
# on), ours as zorbel-decode --fax; both pictures scored by bench_fax --score against the chart sent
# (correlation, first and last line against the chart's, line start and slant in elements per 1000 lines)
# with how each started and ended: ours from its report, fldigi from the states it passed through over
# XML-RPC and the end its file is named after (ok: the stop tone, nocorr: its lines alike no more, max: too
# many lines).
# Random text as bench_decoder sends it (letters, figures, spaces, a line end every 69 characters; the seed
# picks text, fading and noise) goes through zorbel-makewav into /tmp, is played once in real time into a
# private PulseAudio null sink whose monitor fldigi (under its own Xvfb and configuration folder) records,
# and fldigi's reading is fetched over XML-RPC; zorbel-decode reads the same file told the mode
# and untold. The character error rate is the edit distance over the characters sent, line ends left out of
# both texts (fldigi drops a repeated CR or LF), the whole recording read by both.
# fldigi keeps its receive defaults (AFC on, squelch on at 5, its standard filter) unless --squelch-off or
# --afc-off; set are only the mode (RTTY, the cell's baud, shift and 1.5 stop bits), the carrier (centre of
# mark and space) and Rv where mark lies below space. Everything runs privately, so several runs may go on
# at once. Needs fldigi, pulseaudio, paplay, Xvfb and python3 (tools/setup-debian.sh does not install fldigi:
# apt-get install fldigi).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/native"
cells=()
seeds="1-6"
characters=1500
squelch=1
afc=1
navtex=0
fax=0
lines=350
seeds_given=0
while [ $# -gt 0 ]; do
    case "$1" in
        --cell) cells+=("$2"); shift 2 ;;
        --seeds) seeds="$2"; seeds_given=1; shift 2 ;;
        --characters) characters="$2"; shift 2 ;;
        --build) build="$2"; shift 2 ;;
        --squelch-off) squelch=0; shift ;;
        --afc-off) afc=0; shift ;;
        --navtex) navtex=1; shift ;;
        --fax) fax=1; shift ;;
        --lines) lines="$2"; shift 2 ;;
        *) sed -n '2,23p' "$0" >&2; exit 2 ;;
    esac
done
if [ ${#cells[@]} -eq 0 ]; then
    if [ "$navtex" = 1 ]; then cells=(white+10 moderate0 poor0 fast+10 slow+10)
    elif [ "$fax" = 1 ]; then cells=(white+10 white0 good+10 moderate+10 clock+200)
    else cells=("moderate450+10"); fi
fi
# The fax charts are new ones, none of the seeds bench_fax or the tests draw.
if [ "$fax" = 1 ] && [ "$seeds_given" = 0 ]; then seeds="101-101"; fi
first_seed=${seeds%-*}
last_seed=${seeds#*-}

for program in fldigi pulseaudio paplay pactl Xvfb python3; do
    command -v "$program" >/dev/null || { echo "fldigi-side-by-side: $program is missing" >&2; exit 1; }
done
makewav="$build/decoder/cli/zorbel-makewav"
decode="$build/decoder/cli/zorbel-decode"
bench_navtex="$build/navtex/bench/bench_navtex"
bench_fax="$build/decoder/bench/bench_fax"
if [ ! -x "$makewav" ] || [ ! -x "$decode" ] || [ ! -x "$bench_navtex" ] || [ ! -x "$bench_fax" ] ||
    [ -n "$(find "$root/decoder" "$root/navtex" -newer "$bench_navtex" -name '*.cpp' -print -quit)" ] ||
    [ -n "$(find "$root/decoder" -newer "$bench_fax" -name '*.cpp' -print -quit)" ]; then
    [ -f "$build/CMakeCache.txt" ] || cmake -S "$root" -B "$build" >/dev/null
    nice -n 10 cmake --build "$build" -j2 --target zorbel-makewav zorbel-decode bench_navtex bench_fax >/dev/null
fi

work=$(mktemp -d /tmp/zorbel-fldigi.XXXXXX)
helper="$work/helper.py"
cat >"$helper" <<'PYTHON'
# Text, fldigi's remote control and the scoring, for fldigi-side-by-side.sh.
import base64, os, shutil, socket, sys, time, xmlrpc.client

class Mt19937:
    # std::mt19937 seeded with one number, so that the text is bench_decoder's RandomText.
    def __init__(self, seed):
        self.state = [seed & 0xFFFFFFFF]
        for i in range(1, 624):
            self.state.append((1812433253 * (self.state[-1] ^ (self.state[-1] >> 30)) + i) & 0xFFFFFFFF)
        self.index = 624

    def __call__(self):
        if self.index == 624:
            for i in range(624):
                y = (self.state[i] & 0x80000000) | (self.state[(i + 1) % 624] & 0x7FFFFFFF)
                self.state[i] = self.state[(i + 397) % 624] ^ (y >> 1) ^ (0x9908B0DF if y & 1 else 0)
            self.index = 0
        y = self.state[self.index]
        self.index += 1
        y ^= y >> 11
        y ^= (y << 7) & 0x9D2C5680
        y ^= (y << 15) & 0xEFC60000
        return y ^ (y >> 18)

def text(length, seed):
    signs = "ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-?:().,/     "
    random, out = Mt19937(int(seed)), ""
    while len(out) < int(length):
        out += "\r" if len(out) % 69 == 68 else signs[random() % len(signs)]
        if out[-1] == "\r":
            out += "\n"
    sys.stdout.write(out)

def fldigi(port):
    return xmlrpc.client.ServerProxy("http://127.0.0.1:%s" % port)

def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        print(s.getsockname()[1])

def setup(port, mode, carrier, reverse, squelch, afc, status):
    # fldigi answers once its start-up has finished, some seconds after its window shows.
    for _ in range(60):
        try:
            fldigi(port).fldigi.version()
            break
        except OSError:
            time.sleep(0.5)
    server = fldigi(port)
    server.modem.set_by_name(mode)
    time.sleep(1)
    server.modem.set_carrier(int(carrier))
    server.main.set_reverse(reverse == "1")
    server.main.set_squelch(squelch == "1")
    server.main.set_afc(afc == "1")
    server.text.clear_rx()
    time.sleep(0.5)
    shown = server.main.get_status1().replace(" ", "")
    if server.modem.get_name() != mode or (status != "-" and shown != status):
        sys.exit("fldigi runs %s %s, not %s %s" % (server.modem.get_name(), shown, mode, status))
    print("fldigi %s: %s, carrier %s Hz, Rv %s, AFC %s, squelch %s at %s" % (
        server.fldigi.version(), server.main.get_status1().replace(" ", ""), server.modem.get_carrier(),
        "on" if server.main.get_reverse() else "off", "on" if server.main.get_afc() else "off",
        "on" if server.main.get_squelch() else "off", server.main.get_squelch_level()))

# The characters as decoded, from the stream fldigi keeps for other programs: its receive window's text has
# its word wrapping in it, a space at the wrap turned into a line end.
def clear(port):
    fldigi(port).text.clear_rx()
    fldigi(port).rx.get_data()

def received(port):
    sys.stdout.buffer.write(fldigi(port).rx.get_data().data)

def distance(a, b):
    row = list(range(len(b) + 1))
    for i, x in enumerate(a, 1):
        previous, row[0] = row[0], i
        for j, y in enumerate(b, 1):
            previous, row[j] = row[j], min(row[j] + 1, row[j - 1] + 1, previous + (x != y))
    return row[-1]

def cer(sent_file, *decoded_files):
    def lines_out(path):
        with open(path, "rb") as f:
            return f.read().decode("latin-1").upper().replace("\r", "").replace("\n", "")
    sent = lines_out(sent_file)
    print(len(sent), *("%.4f" % (distance(sent, lines_out(path)) / len(sent)) for path in decoded_files))

# Watches fldigi's radiofax receiver while a chart plays and fetches the picture it saved of it into its image
# folder: the states it passed through, and the file (a copy in out) with the end it is named after. (Its
# wefax.get_received_file is not told of the pictures it saves by itself.)
def fax_received(port, seconds, folder, out):
    server, states, started = fldigi(port), [], time.time()
    before = set(os.listdir(folder))
    while time.time() - started < float(seconds):
        state = server.wefax.state_string().split("rx:")[-1]
        if not states or states[-1] != state:
            states.append(state)
        time.sleep(1)
    def saved():
        return sorted(set(os.listdir(folder)) - before, key=lambda name: os.path.getmtime(os.path.join(folder, name)))
    # fldigi saves once it has seen the stop tone or the signal gone, some seconds after.
    for _ in range(40):
        if saved():
            break
        time.sleep(1)
    # It writes the file slowly: complete once its last chunk is there.
    for _ in range(60):
        time.sleep(1)
        new = saved()
        if all(open(os.path.join(folder, name), "rb").read()[-8:-4] == b"IEND" for name in new):
            break
    if server.wefax.state_string().split("rx:")[-1] != "APT reception start":
        server.wefax.end_reception()
    if new:
        shutil.copyfile(os.path.join(folder, new[0]), out)
    end = new[0].rsplit("_", 1)[-1].replace(".png", "") if new else "none"
    print("%s %d %s" % (end, max(0, len(new) - 1), ">".join(s.replace(" ", "_") for s in states)))

globals()[sys.argv[1]](*sys.argv[2:])
PYTHON

# Private sound server, screen and fldigi: nothing of the user's session is touched, and all of it ends with us.
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
}
trap cleanup EXIT
export XDG_RUNTIME_DIR="$work/run" HOME="$work"
mkdir -p "$XDG_RUNTIME_DIR"
export PULSE_SERVER="unix:$XDG_RUNTIME_DIR/native"
cat >"$work/pulse.pa" <<EOF
load-module module-native-protocol-unix socket=$XDG_RUNTIME_DIR/native auth-anonymous=1
load-module module-null-sink sink_name=bench rate=8000 channels=1
set-default-sink bench
set-default-source bench.monitor
EOF
# fldigi and the sound server ahead of other work on the machine where that is allowed: fldigi draws what it
# receives in its window's thread, and a starved window saves a radiofax picture without its last lines.
ahead=()
if nice -n -10 true 2>/dev/null; then ahead=(nice -n -10); fi
"${ahead[@]}" pulseaudio -n -F "$work/pulse.pa" --daemonize=no --exit-idle-time=-1 \
    --log-target=file:"$work/pulse.log" &
pids+=($!)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 20); do [ -s "$work/display" ] && break; sleep 0.5; done
export DISPLAY=":$(head -n 1 "$work/display")"
for _ in $(seq 20); do pactl info >/dev/null 2>&1 && break; sleep 0.5; done

# Each cell: name, baud, shift, whether mark lies above space, zorbel-makewav's channel.
cell_line() {
    case "$1" in
        clean450) echo "50 450 1 --snr 30" ;;
        clean170) echo "45.45 170 0 --snr 30" ;;
        moderate450+10) echo "50 450 1 --fading moderate --snr 10" ;;
        moderate450+0) echo "50 450 1 --fading moderate --snr 0" ;;
        white170-8) echo "45.45 170 0 --snr -8" ;;
        poor170+10) echo "45.45 170 0 --fading poor --snr 10" ;;
        fast170-8) echo "45.45 170 0 --rate-off 1 --snr -8" ;;
        *) echo "fldigi-side-by-side: no cell $1" >&2; exit 2 ;;
    esac
}

# fldigi's indexes of its baud rates and shifts (450 Hz is no listed shift: the custom one).
baud_index() { case "$1" in 45.45) echo 1 ;; 50) echo 2 ;; 75) echo 4 ;; 100) echo 5 ;; esac; }
shift_index() { case "$1" in 85) echo 1 ;; 170) echo 3 ;; 425) echo 8 ;; 850) echo 9 ;; *) echo 10 ;; esac; }

start_fldigi() {
    local baud=$1 shift_hz=$2 config="$work/fldigi-$1-$2" extra=${3:-}
    rm -rf "$config" && mkdir -p "$config"
    # Only what a user sets before receiving; without this file fldigi opens its first-start wizard first.
    cat >"$config/fldigi_def.xml" <<EOF
<?xml version="1.0" encoding="UTF-8"?>
<FLDIGI_DEFS>
<MYCALL>N0CALL</MYCALL>
<AUDIOIO>2</AUDIOIO>
<PULSESERVER>$PULSE_SERVER</PULSESERVER>
<CHECK_FOR_UPDATES>0</CHECK_FOR_UPDATES>
<CONFIRMEXIT>0</CONFIRMEXIT>
<RTTYBAUD>$(baud_index "$baud")</RTTYBAUD>
<RTTYSHIFT>$(shift_index "$shift_hz")</RTTYSHIFT>
<RTTYCUSTOMSHIFT>$shift_hz</RTTYCUSTOMSHIFT>
<RTTYSTOP>1</RTTYSTOP>
$extra
</FLDIGI_DEFS>
EOF
    port=$(python3 "$helper" free_port)
    "${ahead[@]}" fldigi --config-dir "$config" --xmlrpc-server-address 127.0.0.1 --xmlrpc-server-port "$port" \
        >"$config/fldigi.log" 2>&1 &
    fldigi_pid=$!
    pids+=("$fldigi_pid")
}

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

wav_seconds() { python3 -c "import wave; w = wave.open('$1'); print(w.getnframes() / w.getframerate())"; }

# Plays the WAV file once in real time; sets note and fldigi_share.
play_in_time() {
    local wav=$1 seconds started played ticks_before ticks
    seconds=$(wav_seconds "$wav")
    ticks_before=$(cpu_ticks "$fldigi_pid")
    started=$(date +%s.%N)
    paplay --device=bench "$wav"
    played=$(python3 -c "print(round($(date +%s.%N) - $started, 1))")
    ticks=$(( $(cpu_ticks "$fldigi_pid") - ticks_before ))
    note="$(printf '%5.1f s in %5.1f s' "$seconds" "$played")"
    if python3 -c "import sys; sys.exit(0 if $played > $seconds + 1.0 else 1)"; then
        note="$note: fldigi may have heard gaps"
    fi
    fldigi_share=$(python3 -c "print(round($ticks / $(getconf CLK_TCK) / $played * 100))")
}

# Plays the WAV file once in real time and fetches what fldigi read of it; sets note and fldigi_share.
play_to_fldigi() {
    local wav=$1 out=$2
    python3 "$helper" clear "$port"
    sleep 2
    play_in_time "$wav"
    # What fldigi still holds in its filters comes out within a character or two.
    sleep 3
    python3 "$helper" received "$port" >"$out"
}

stop_fldigi() {
    kill "$fldigi_pid" 2>/dev/null || true
    wait "$fldigi_pid" 2>/dev/null || true
}

results="$work/results.txt"
echo "WAV files and texts in $work"

rtty_cell() {
    local cell=$1 baud shift_hz mark_above channel low carrier sent_polarity told_polarity rv base
    read -r baud shift_hz mark_above channel <<<"$(cell_line "$cell")"
    # Mark and space at 2125 Hz and one shift above, as bench_decoder puts them; fldigi's carrier is their
    # centre, and its normal polarity has mark above.
    low=2125
    carrier=$(python3 -c "print(round($low + $shift_hz / 2))")
    if [ "$mark_above" = 1 ]; then sent_polarity=--reverse; told_polarity=--reverse; rv=0
    else sent_polarity=; told_polarity=--normal; rv=1; fi
    start_fldigi "$baud" "$shift_hz"
    python3 "$helper" setup "$port" RTTY "$carrier" "$rv" "$squelch" "$afc" "$baud/$shift_hz" || exit 1
    for seed in $(seq "$first_seed" "$last_seed"); do
        base="$work/$cell-seed$seed"
        python3 "$helper" text "$characters" "$seed" >"$base.sent"
        # A tenth of full scale, so that fading and noise peaks stay inside the 16-bit file.
        "$makewav" "$base.wav" --baud "$baud" --shift "$shift_hz" --mark "$low" $sent_polarity \
            --stopbits 1.5 --seed "$seed" --amplitude 0.05 $channel <"$base.sent"
        play_to_fldigi "$base.wav" "$base.fldigi"
        "$decode" "$base.wav" --baud "$baud" --shift "$shift_hz" --mark "$low" $told_polarity --stopbits 1.5 \
            --unshift-on-space >"$base.told" 2>/dev/null
        "$decode" "$base.wav" --unshift-on-space >"$base.untold" 2>/dev/null
        read -r count told untold theirs \
            <<<"$(python3 "$helper" cer "$base.sent" "$base.told" "$base.untold" "$base.fldigi")"
        printf '%-16s %4s %6s %8s %8s %8s   %s, fldigi %s %% CPU\n' "$cell" "$seed" "$count" \
            "$told" "$untold" "$theirs" "$note" "$fldigi_share" | tee -a "$results"
    done
    stop_fldigi
}

# One fldigi for all NAVTEX cells: its mode has no settings of the cell's to change.
navtex_cells() {
    local cell seed base
    start_fldigi 100 170
    python3 "$helper" setup "$port" NAVTEX 1000 0 "$squelch" "$afc" - || exit 1
    for cell in "${cells[@]}"; do
        "$bench_navtex" --write-wav "$work" --rows "$cell" --first-seed "$first_seed" \
            --seeds $((last_seed - first_seed + 1))
        for seed in $(seq "$first_seed" "$last_seed"); do
            base="$work/$cell-seed$seed"
            [ -f "$base.wav" ] || { echo "fldigi-side-by-side: bench_navtex has no cell $cell" >&2; exit 2; }
            play_to_fldigi "$base.wav" "$base.fldigi"
            "$decode" "$base.wav" --navtex >"$base.ours" 2>/dev/null
            printf '%-12s %4s  %-34s %-34s %s, fldigi %s %% CPU\n' "$cell" "$seed" \
                "$("$bench_navtex" --score "$base.sent" "$base.ours")" \
                "$("$bench_navtex" --score "$base.sent" "$base.fldigi")" "$note" "$fldigi_share" | tee -a "$results"
        done
    done
    stop_fldigi
}

# zorbel-makewav's channel of each radiofax cell.
fax_channel() {
    case "$1" in
        white+10) echo "--snr 10" ;;
        white0) echo "--snr 0" ;;
        good+10) echo "--fading good --snr 10" ;;
        moderate+10) echo "--fading moderate --snr 10" ;;
        clock+200) echo "--rate-off 0.02 --snr 10" ;;
        *) echo "fldigi-side-by-side: no radiofax cell $1" >&2; exit 2 ;;
    esac
}

# One fldigi for all radiofax cells; it saves each chart into its image folder by itself.
fax_cells() {
    local cell seed base channel fldigi_end further states ours
    start_fldigi 50 450 "<WEFAXSAVEDIR>$work/fldigi-images/</WEFAXSAVEDIR>
<WEFAX_AUTOCENTER>0</WEFAX_AUTOCENTER>"
    mkdir -p "$work/fldigi-images"
    python3 "$helper" setup "$port" WEFAX576 1900 0 "$squelch" "$afc" - || exit 1
    for seed in $(seq "$first_seed" "$last_seed"); do
        "$bench_fax" --chart "$work/chart$seed.png" --lines "$lines" --first-seed "$seed"
        for cell in "${cells[@]}"; do
            base="$work/$cell-seed$seed"
            channel=$(fax_channel "$cell")
            # A tenth of full scale, as bench_fax sends, so that fading and noise peaks stay inside 16 bits.
            "$makewav" "$base.wav" --fax "$work/chart$seed.png" --seed "$seed" --amplitude 0.1 \
                --silence-before 5 --silence-after 15 $channel
            python3 "$helper" fax_received "$port" "$(wav_seconds "$base.wav")" "$work/fldigi-images" \
                "$base.fldigi.png" \
                >"$base.fldigi.state" &
            local watcher=$!
            play_in_time "$base.wav"
            wait "$watcher"
            read -r fldigi_end further states <"$base.fldigi.state"
            if "$decode" --fax "$base.wav" "$base.ours.png" 2>"$base.ours.log"; then
                ours="$("$bench_fax" --score "$work/chart$seed.png" "$base.ours.png" 2>&1) $(sed -n \
                    's/.*started by its \([a-z]*\)[^,]*, ended by \([^;(]*\).*/\1>\2/p' "$base.ours.log" |
                    head -n 1 | sed "s/ *$//; s/the //g; s/its //; s/ tone/-tone/g; s/'s /-/g; s/ /-/g")"
            else
                ours="no chart"
            fi
            theirs="no picture saved"
            if [ -f "$base.fldigi.png" ]; then
                theirs="$("$bench_fax" --score "$work/chart$seed.png" "$base.fldigi.png" 2>&1)" ||
                    theirs="unreadable picture: $theirs"
            fi
            printf '%-12s %4s  ours %-62s fldigi %-46s %s%s, %s; %s, fldigi %s %% CPU\n' "$cell" "$seed" \
                "$ours" "$theirs" "$fldigi_end" "$([ "$further" = 0 ] || echo " +$further more")" "$states" \
                "$note" "$fldigi_share" | tee -a "$results"
        done
    done
    stop_fldigi
}

if [ "$fax" = 1 ]; then
    fax_cells
    echo
    echo "cell         seed  each: correlation with the chart sent, first and last line against the chart's (+ late),"
    echo "                   line start (elements right of the chart's) and the correlation with it put right, line"
    echo "                   start in the top third, slant (elements per 1000 lines); ours: started by > ended by;"
    echo "                   fldigi: the end its file is named after (ok: stop tone, nocorr: lines alike no more,"
    echo "                   max: too many), its states"
elif [ "$navtex" = 1 ]; then
    navtex_cells
    echo
    echo "cell         seed  ours: right, header, message CER, CER, other headers; fldigi: the same"
else
    for cell in "${cells[@]}"; do rtty_cell "$cell"; done
    echo
    echo "cell             seed  chars  ours told  untold  fldigi   (CER by edit distance, line ends left out)"
fi
cat "$results"
