# Sourced by the install scripts: installs with apt-get those of the given
# Debian packages that are not installed yet, so a second run costs nothing.
# Sets `sudo` for the caller's own privileged steps.
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi

install_missing() {
  local missing=() p
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$p")
    fi
  done
  if [ ${#missing[@]} -ne 0 ]; then
    echo "Installing: ${missing[*]}"
    DEBIAN_FRONTEND=noninteractive $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}
