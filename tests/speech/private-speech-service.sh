# Sourced by ./test (and by anyone running the speech tests by hand):
#   zq_start_private_speech FOLDER
# starts a private speech-dispatcher whose one voice module, "recorder",
# writes what it would say into FOLDER/spoken.tsv instead of speaking it:
# one line per utterance, with the time it began (seconds since the epoch),
# its language, its voice and its text, separated by tabs. Its audio goes
# to ALSA's null device, so no sound server is needed. The server runs as a
# child of the calling shell (call it directly, not in $(...), so that the
# shell reaps it); its process id is left in zq_private_speech_pid, and the
# caller stops it by that id (killing it ends its module).
# Clients reach it through SPEECHD_ADDRESS=unix_socket:FOLDER/speechd.sock.
zq_start_private_speech() {
  local folder=$1
  mkdir -p "$folder/conf/modules" "$folder/log"
  cat >"$folder/conf/speechd.conf" <<CONF
CommunicationMethod "unix_socket"
SocketPath "$folder/speechd.sock"
Timeout 0
LogLevel 3
LogDir "$folder/log"
DefaultLanguage "en"
AudioOutputMethod "alsa"
AudioALSADevice "null"
AddModule "recorder" "sd_generic" "recorder.conf"
DefaultModule recorder
CONF
  # The module's command sees the text in \$DATA (its single quotes escaped
  # for use inside '...') and its language in \$LANGUAGE. The configuration
  # reader eats one level of backslashes, hence \\\\t for a tab.
  cat >"$folder/conf/modules/recorder.conf" <<CONF
GenericExecuteSynth "printf '%s\\\\t%s\\\\t%s\\\\t%s\\\\n' \\"\\\$(date +%s.%N)\\" \\'\\\$LANGUAGE\\' \\'\\\$VOICE\\' \\'\\\$DATA\\' >> $folder/spoken.tsv"
AddVoice "en" "MALE1" "recorder-en"
AddVoice "fr" "MALE1" "recorder-fr"
AddVoice "de" "MALE1" "recorder-de"
DefaultVoice "recorder-en"
GenericLanguage "en" "en" "utf-8"
GenericLanguage "fr" "fr" "utf-8"
GenericLanguage "de" "de" "utf-8"
CONF
  speech-dispatcher --run-single --timeout 0 --config-dir "$folder/conf" \
    --socket-path "$folder/speechd.sock" --pid-file "$folder/speechd.pid" \
    --log-dir "$folder/log" >"$folder/log/stdout" 2>&1 &
  zq_private_speech_pid=$!
  for _ in $(seq 500); do
    [ -S "$folder/speechd.sock" ] && break
    sleep 0.01
  done
}
