#!/usr/bin/env bash
# Installs the Debian package on a bare Debian 12 (debootstrap minbase, in a chroot reset from a
# pristine copy on every run), shows which fonts apt pulled in and what fontconfig resolves there,
# runs it from a shell without a display (--version, one request, a --batch line), starts the
# program on a host Xvfb and saves build/bare-main.png and, after a click on the
# calculate button, build/bare-message.png:
# tools/bare-debian.sh [package.deb] [chroot folder]
#   (defaults: the newest build/release/oblique-shock-calculator_*.deb, /work/bare-debian)
# Needs root (for debootstrap, chroot and mount); installs what the build needs and debootstrap,
# xvfb, xdotool and imagemagick on the host when they are missing.
set -euo pipefail

if [ "$(id -u)" -ne 0 ]; then
    exec sudo "$0" "$@"
fi

# Paths given on the command line are relative to the caller's folder.
deb="${1:+$(realpath -e "$1")}"
dir="$(realpath -m "${2:-/work/bare-debian}")"
cd "$(dirname "$0")/.."
repo="$(pwd)"
if [ -z "$deb" ]; then
    deb="$(ls -t build/release/oblique-shock-calculator_*.deb 2>/dev/null | head -n 1 || true)"
    [ -n "$deb" ] || { echo "No build/release/oblique-shock-calculator_*.deb; run tools/package.sh" >&2; exit 1; }
    deb="$repo/$deb"
fi
case "$dir" in
    / | /bin* | /boot* | /dev* | /etc* | /lib* | /proc* | /run* | /sbin* | /sys* | /usr* | /var*)
        echo "Refusing to use $dir as the chroot folder" >&2
        exit 1
        ;;
esac
pristine="$dir.pristine"
mirror="${MIRROR:-http://deb.debian.org/debian}"
mkdir -p build
main_png="$repo/build/bare-main.png"
message_png="$repo/build/bare-message.png"
apt_log="$repo/build/bare-apt.log"
program_log="$repo/build/bare-program.log"
echo "Package: $deb"
echo "Chroot:  $dir (pristine copy: $pristine)"

# Host tools.
tools/install-dependencies.sh debootstrap xvfb xdotool imagemagick

mounted=()
xvfb_pid=""
program_pid=""
cleanup() {
    if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then
        kill "$program_pid" 2>/dev/null || true
        wait "$program_pid" 2>/dev/null || true
    fi
    if [ -n "$xvfb_pid" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    local i
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        umount "${mounted[i]}" 2>/dev/null || umount -l "${mounted[i]}" || true
    done
    mounted=()
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# mount_in SOURCE TARGET [mount options...]: mounts into the chroot and remembers it for cleanup.
mount_in() {
    local source="$1" target="$2"
    shift 2
    mkdir -p "$target"
    mount "$@" "$source" "$target"
    mounted+=("$target")
}

# Nothing may stay mounted below a folder that is about to be deleted (the X socket folder is
# bind-mounted from the host).
remove_tree() {
    local target="$1" mountpoint
    [ -e "$target" ] || return 0
    while read -r mountpoint; do
        umount "$mountpoint" 2>/dev/null || umount -l "$mountpoint"
    done < <(awk -v root="$target" '$5 == root || index($5, root "/") == 1 { print $5 }' \
        /proc/self/mountinfo | sort -r)
    if awk -v root="$target" '$5 == root || index($5, root "/") == 1 { found = 1 } END { exit !found }' \
        /proc/self/mountinfo; then
        echo "Something is still mounted below $target; not deleting it" >&2
        exit 1
    fi
    rm -rf --one-file-system "$target"
}

# A bare Debian 12, made once; every run starts from a copy of it.
if [ ! -d "$pristine" ]; then
    echo "== debootstrap --variant=minbase bookworm $dir"
    remove_tree "$dir"
    debootstrap --variant=minbase bookworm "$dir" "$mirror"
    cp -a "$dir" "$pristine.partial"
    mv "$pristine.partial" "$pristine"
else
    echo "== Resetting $dir from $pristine"
    remove_tree "$dir"
    cp -a "$pristine" "$dir"
fi

# Like an installed system: the point releases and security updates, no services started.
cat >"$dir/etc/apt/sources.list" <<EOF
deb $mirror bookworm main
deb $mirror bookworm-updates main
deb http://deb.debian.org/debian-security bookworm-security main
EOF
cp /etc/resolv.conf "$dir/etc/resolv.conf"
printf '#!/bin/sh\nexit 101\n' >"$dir/usr/sbin/policy-rc.d"
chmod 755 "$dir/usr/sbin/policy-rc.d"

mount_in proc "$dir/proc" -t proc
mount_in /dev/pts "$dir/dev/pts" --bind
if mountpoint -q /dev/shm; then
    mount_in /dev/shm "$dir/dev/shm" --bind
fi

in_chroot() {
    chroot "$dir" /usr/bin/env -i HOME=/root LANG=C.UTF-8 \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"
}

# The package and whatever apt pulls in for it.
in_chroot dpkg-query -W -f='${Package}\n' | sort >"$dir/tmp/before.txt"
cp "$deb" "$dir/tmp/"
package_file="/tmp/$(basename "$deb")"
echo "== apt-get update && apt-get install -y .$package_file (log: $apt_log)"
if ! in_chroot sh -c "apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y .$package_file" \
    >"$apt_log" 2>&1; then
    tail -n 40 "$apt_log"
    echo "apt-get could not install the package" >&2
    exit 1
fi
grep -E "^(Need to get|After this operation|[0-9]+ upgraded)" "$apt_log" || true
in_chroot dpkg-query -W -f='${Package}\n' | sort >"$dir/tmp/after.txt"
mapfile -t pulled < <(comm -13 "$dir/tmp/before.txt" "$dir/tmp/after.txt")
echo "apt installed ${#pulled[@]} packages."

echo "== Font packages apt pulled in"
[ ${#pulled[@]} -gt 0 ] && in_chroot dpkg-query -W -f='${Package}\t${Version}\t${Section}\n' "${pulled[@]}" |
    awk -F '\t' '$3 ~ /fonts/ || $1 ~ /^(fonts-|ttf-|otf-|xfonts-)|fontconfig/ { printf "  %-28s %s\n", $1, $2 }'

echo "== fontconfig inside the chroot"
fc_match=""
if [ -x "$dir/usr/bin/fc-match" ]; then
    fc_match=/usr/bin/fc-match
else
    echo "The fontconfig tools did not come with the package's dependencies (package fontconfig"
    echo "is not installed; nothing was added for them)."
    # The host's fc-match, run inside the chroot against the chroot's own libfontconfig, its
    # configuration and its fonts, then removed: it shows what the program itself resolves.
    if [ -e "$dir/usr/lib/x86_64-linux-gnu/libfontconfig.so.1" ] && command -v fc-match >/dev/null; then
        echo "Probing with the host's fc-match copied to /tmp for this step only:"
        cp "$(command -v fc-match)" "$dir/tmp/fc-match"
        fc_match=/tmp/fc-match
    fi
fi
if [ -n "$fc_match" ]; then
    for pattern in sans-serif "Liberation Sans Narrow" "DejaVu Sans"; do
        printf '  fc-match %-24s -> %s\n' "\"$pattern\"" \
            "$(in_chroot XDG_CACHE_HOME=/tmp/fc-probe-cache "$fc_match" "$pattern")"
    done
    rm -rf "$dir/tmp/fc-match" "$dir/tmp/fc-probe-cache"
fi

# From a shell, without any display: the version, one request and a batch line.
echo "== From a shell, without a display"
in_chroot /usr/bin/oblique-shock-calculator --version
in_chroot /usr/bin/oblique-shock-calculator --output beta --m1 2 --theta 10
printf 'output,M1,Teta,Beta,branch\nBeta,2,10,,weak\n' |
    in_chroot /usr/bin/oblique-shock-calculator --batch | tee "$dir/tmp/batch.csv"
# The window's columns, then the whole shock's.
grep -q '^Beta,2,10,39.3139,weak,1.26714,0.80319,1.64052,1.70658,1.17015,solved,,1.26714,0.80319,1.64052,1.70658,1.45843,1.17015,0.98464,22.9735,64.669,61.4854,22.706,weak,83.7001,$' \
    "$dir/tmp/batch.csv" || { echo "The batch line was not answered as the window answers it" >&2; exit 1; }

# A host X server the chroot reaches through the bind-mounted socket folder.
display=""
for n in $(seq 90 199); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
        display=":$n"
        break
    fi
done
[ -n "$display" ] || { echo "No free X display number" >&2; exit 1; }
echo "== Xvfb $display"
Xvfb "$display" -screen 0 1024x768x24 -dpi 96 >"$repo/build/bare-xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY="$display"
ready=""
for _ in $(seq 300); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && { ready=1; break; }
    kill -0 "$xvfb_pid" 2>/dev/null || { cat "$repo/build/bare-xvfb.log"; exit 1; }
    sleep 0.1
done
[ -n "$ready" ] || { cat "$repo/build/bare-xvfb.log"; echo "Xvfb $display not ready after 30 s" >&2; exit 1; }
mount_in /tmp/.X11-unix "$dir/tmp/.X11-unix" --bind

echo "== /usr/bin/oblique-shock-calculator (log: $program_log)"
in_chroot DISPLAY="$display" QT_QPA_PLATFORM=xcb /usr/bin/oblique-shock-calculator \
    >"$program_log" 2>&1 &
program_pid=$!

# died WHAT: reports that the program is gone and fails the run.
died() {
    local status=0
    wait "$program_pid" || status=$?
    program_pid=""
    cat "$program_log"
    echo "The program $1 (exit status $status)" >&2
    exit 1
}

window=""
for _ in $(seq 300); do
    kill -0 "$program_pid" 2>/dev/null || died "did not start"
    window="$(xdotool search --onlyvisible --name '^Oblique Shock Calculator$' 2>/dev/null | head -n 1 || true)"
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { cat "$program_log"; echo "No window after 30 s" >&2; exit 1; }
sleep 1
import -window root "$main_png"
echo "Saved $main_png"

# The calculate button lies at (16, 152), 137 × 33 pixels, in the client area below the menu bar,
# which is 346 pixels high: whatever the window is taller than that is the menu bar.
eval "$(xdotool getwindowgeometry --shell "$window")"
menu_bar=$((HEIGHT - 346))
if [ "$menu_bar" -lt 0 ] || [ "$menu_bar" -gt 80 ]; then
    echo "Unexpected window height $HEIGHT; assuming a 22-pixel menu bar"
    menu_bar=22
fi
echo "Window at $X,$Y, $WIDTH × $HEIGHT (menu bar $menu_bar pixels)"
mapfile -t before_click < <(xdotool search --onlyvisible --name . 2>/dev/null || true)
xdotool mousemove "$((X + 16 + 68))" "$((Y + menu_bar + 152 + 16))" click 1

box=""
for _ in $(seq 100); do
    kill -0 "$program_pid" 2>/dev/null || died "died after the click"
    while read -r candidate; do
        [[ " ${before_click[*]} " == *" $candidate "* ]] || { box="$candidate"; break; }
    done < <(xdotool search --onlyvisible --name . 2>/dev/null || true)
    [ -n "$box" ] && break
    sleep 0.1
done
[ -n "$box" ] || { echo "No message box appeared after the click" >&2; exit 1; }
sleep 1
import -window root "$message_png"
echo "Saved $message_png (message box: \"$(xdotool getwindowname "$box")\")"

xdotool windowfocus "$box"
sleep 0.2
xdotool key Return
for _ in $(seq 50); do
    xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$box" || break
    sleep 0.1
done
if xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$box"; then
    echo "The message box did not close on Return" >&2
fi

sleep 0.5
kill -0 "$program_pid" 2>/dev/null || died "died after the message box"
kill "$program_pid"
wait "$program_pid" 2>/dev/null || true
program_pid=""
if [ -s "$program_log" ]; then
    echo "== What the program wrote"
    cat "$program_log"
fi
echo "Done: the program started, showed the message box and was terminated."
