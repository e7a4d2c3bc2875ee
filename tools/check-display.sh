#!/bin/sh
# The game needs a desktop; say so plainly instead of letting Qt print a page of warnings.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "zellomar: no display found (DISPLAY is not set); start it from a desktop session" >&2
  exit 1
fi
