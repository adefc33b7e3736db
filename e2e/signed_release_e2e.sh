#!/usr/bin/env bash
# A release signed as `scripts/release --sign` signs it, with a throwaway
# self-signed code-signing certificate, checked as its users would:
#   signed_release_e2e.sh <probe.exe> <wine prefix> <program.exe>...
# Each exe verifies against that certificate, SHA256SUMS holds the signed
# bytes, the built programs stay unsigned, and the signed dovra.exe still
# shows its usage box under Wine. A wrong password, a missing or unreadable
# certificate or a failing timestamp server leaves no release behind.
probe=$1 prefix=$2
shift 2
programs=("$@")
source "$(dirname "$0")/lib.sh"
guide=$root/docs/guide-ja.txt licence=$root/LICENSE
out=$work/out
mkdir -p "$out"
export SOURCE_DATE_EPOCH=0

openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Throwaway code signer" \
  -addext extendedKeyUsage=codeSigning -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null
openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" -passout "pass:test password" \
  -out "$work/signer.pfx"
export RELEASE_SIGN_PASSWORD="test password"

built=$(sha256sum "${programs[@]}")
said=$(python3 "$root/cmake/pack_release.py" --sign "$work/signer.pfx" "$out/release.zip" signed "$guide" "$licence" \
  "${programs[@]}") || true
echo "$said"
check "the release says it is signed" grep -qF "release.zip (signed with $work/signer.pfx)" <<<"$said"
python3 -m zipfile -e "$out/release.zip" "$work/unpacked"
folder=$work/unpacked/signed

verified() { osslsigncode verify -CAfile "$work/cert.pem" -in "$1" >"$work/verify.txt" 2>&1; }
untrusted() { ! osslsigncode verify -in "$1" >/dev/null 2>&1; }  # this machine's own CAs
differs() { ! cmp -s "$1" "$2"; }
unsigned_is() {  # unsigned_is <signed.exe> <built.exe>: the signature was all that was added
  local unsigned=$work/unsigned-$(basename "$1")
  osslsigncode remove-signature -in "$1" -out "$unsigned" >/dev/null && cmp -s "$unsigned" "$2"
}
for program in "${programs[@]}"; do
  name=$(basename "$program")
  check "$name: verifies against the certificate" verified "$folder/$name"
  check "$name: trusted by no other certificate" untrusted "$folder/$name"
  check "$name: signed, unlike the built one" differs "$folder/$name" "$program"
  check "$name: without its signature, the built bytes" unsigned_is "$folder/$name" "$program"
done
echo "osslsigncode verify -CAfile cert.pem -in $(basename "${programs[-1]}") said:"
cat "$work/verify.txt"
sums_hold() { (cd "$folder" && sha256sum --strict -c SHA256SUMS); }
check "SHA256SUMS holds the signed bytes" sums_hold
check "the built programs are left as they were" [ "$(sha256sum "${programs[@]}")" = "$built" ]

box() {  # box <dovra.exe> <out>: starts it with no argument and reads its box
  "$run" --prefix "$prefix" "$1" &
  local pid=$!
  "$run" "$probe" box dovra 15000 "$(winpath "$2")" || true
  timeout 15 tail --pid="$pid" -f /dev/null || true
}
box "$(printf '%s\n' "${programs[@]}" | grep '/dovra[.]exe$')" "$work/built-box.txt"
box "$folder/dovra.exe" "$work/signed-box.txt"
check "the signed dovra.exe shows one box" [ "$(head -n1 "$work/signed-box.txt")" = 1 ]
check "its text is the built dovra.exe's usage text" cmp -s "$work/signed-box.txt" "$work/built-box.txt"
check "that text is the usage" grep -q '^dovra.exe Ver' "$work/built-box.txt"

refused() {  # refused <what> <certificate> [VAR=value...]: the release fails cleanly
  local what=$1 pfx=$2 status=0
  shift 2
  : >"$out/release.zip"  # as an earlier release left it
  : >"$out/release.zip.sha256"
  env "$@" python3 "$root/cmake/pack_release.py" --sign "$pfx" "$out/release.zip" signed "$guide" "$licence" \
    "${programs[@]}" >/dev/null 2>"$work/error" || status=$?
  cat "$work/error"
  check "$what: a non-zero exit" [ "$status" != 0 ]
  check "$what: one line on standard error" [ "$(wc -l <"$work/error")" = 1 ]
  check "$what: nothing left beside it, not even the earlier release" [ -z "$(ls -A "$out")" ]
}
refused "a wrong password" "$work/signer.pfx" RELEASE_SIGN_PASSWORD=wrong
check "a wrong password: said so" grep -qi password "$work/error"
refused "a missing certificate" "$work/none.pfx"
refused "a certificate that cannot be read" "$work"
refused "no certificate in the file" "$work/cert.pem"

# A timestamp server on this machine that answers no request (501).
python3 -u -m http.server --bind 127.0.0.1 0 >"$work/tsa.out" 2>"$work/tsa.log" &
tsa=$!
trap 'kill "$tsa"; cleanup' EXIT
poll 10 grep -q ' port ' "$work/tsa.out"
port=$(sed -n 's/.* port \([0-9]*\) .*/\1/p' "$work/tsa.out")
refused "a failing timestamp server" "$work/signer.pfx" RELEASE_TIMESTAMP_URL="http://127.0.0.1:$port/tsa"
check "the timestamp server was asked" grep -q '"POST /tsa ' "$work/tsa.log"
finish
