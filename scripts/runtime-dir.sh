# Sourced by every script that starts Qt programs: Qt wants a private
# runtime folder (mode 0700). An existing XDG_RUNTIME_DIR is kept.
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/kestravin-runtime-$(id -u)}
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
