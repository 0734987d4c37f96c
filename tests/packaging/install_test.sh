#!/usr/bin/env bash
# The installed program as a user gets it, from `cmake --install` (tree) or from the .deb (deb):
# the files laid out, the desktop files and the user unit valid, the release noted, the programs
# hardened, their versions, and the driver loaded from lib/quarnel/ of the installation, by the
# name its soname gives it, and from nowhere else. The .deb has no maintainer scripts and no
# lintian error or warning. With `types`, the installed file types as a desktop sees them: a
# .tvk and a .sst are known by their types, and open in Quarnel.
#
#   install_test.sh tree|deb|types BUILD_DIR SOURCE_DIR VERSION OPTIMISED(1|0)
set -euo pipefail
mode=$1 build=$2 source=$3 version=$4 optimised=$5

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

expect_files() { # ROOT PREFIX: the files and links under ROOT are the expected list below PREFIX
  local expected actual
  expected=$(sed "s|^|$2|" "$source/tests/packaging/installed-files.txt")
  actual=$(cd "$1" && find . \( -type f -o -type l \) -printf '%P\n' | sort)
  [[ "$actual" == "$expected" ]] || fail "installed files differ:
$(diff <(echo "$expected") <(echo "$actual"))"
}

# A libTavik.so in the working directory and on the library path must not be taken.
expect_driver_from() { # PREFIX
  local out driver=$1/lib/quarnel/libTavik.so.1
  [[ "$(objdump -p "$driver" | awk '$1 == "SONAME" { print $2 }')" == libTavik.so.1 ]] ||
    fail "the driver's soname is not its file name: $(objdump -p "$driver" | grep SONAME)"
  out=$(cd "$build/bin" && LD_LIBRARY_PATH="$build/bin" QT_QPA_PLATFORM=offscreen "$1/bin/quarnel" --check) ||
    fail "quarnel --check found no driver: $out"
  [[ "$out" == "driver library: $driver"$'\n'* ]] || fail "the driver came from elsewhere: $out"
  [[ "$("$1/bin/quarnel" --version)" == "quarnel $version" ]] || fail "quarnel --version"
  [[ "$("$1/bin/tavik-board" --version)" == "tavik-board $version" ]] || fail "tavik-board --version"
  [[ "$("$1/bin/quarnel-play" --version)" == "quarnel-play $version" ]] || fail "quarnel-play --version"
  # The player binds its driver before it reads the script: so far it gets with its own.
  out=$(cd "$build/bin" && LD_LIBRARY_PATH="$build/bin" "$1/bin/quarnel-play" "$scratch/none.tvk" 2>&1) && fail "quarnel-play played nothing"
  [[ "$out" == *"cannot read the script"* ]] || fail "quarnel-play found no driver: $out"
  # The translations come from the installation's own share/quarnel/translations.
  out=$(cd "$build/bin" && LANGUAGE=de LD_LIBRARY_PATH="$build/bin" "$1/bin/quarnel-play" "$scratch/none.tvk" 2>&1) && fail "quarnel-play played nothing"
  [[ "$out" == *"lässt sich nicht lesen"* ]] || fail "quarnel-play found no German translation: $out"
  mv "$driver" "$scratch/moved-away.so"
  if out=$(cd "$build/bin" && LD_LIBRARY_PATH="$build/bin" "$1/bin/quarnel" --check 2>&1); then
    fail "quarnel --check passed without its own driver: $out"
  fi
  [[ "$out" == *"$driver could not be loaded"* ]] || fail "the missing driver is not named: $out"
  out=$(cd "$build/bin" && LD_LIBRARY_PATH="$build/bin" "$1/bin/quarnel-play" "$scratch/none.tvk" 2>&1) && fail "quarnel-play played nothing"
  [[ "$out" == *"$driver could not be loaded"* ]] || fail "quarnel-play's missing driver is not named: $out"
  mv "$scratch/moved-away.so" "$driver"
}

expect_valid_desktop_files() { # PREFIX
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$1/share/applications/quarnel.desktop" || fail "quarnel.desktop"
  fi
  if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net --explain "$1"/share/metainfo/*.metainfo.xml >/dev/null ||
      fail "$(appstreamcli validate --no-net "$1"/share/metainfo/*.metainfo.xml)"
  fi
  if command -v man >/dev/null; then
    for page in "$1"/share/man/man1/*.1.gz; do
      warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
      [[ -z "$warnings" ]] || fail "$page: $warnings"
    done
  fi
}

# The desktop's tools asked as a file manager asks them, in a data folder holding nothing but
# what the installation brought.
expect_file_types() { # PREFIX
  local data=$scratch/data type
  mkdir -p "$data"
  cp -r "$1/share/mime" "$1/share/applications" "$data/"
  update-mime-database "$data/mime"
  update-desktop-database "$data/applications"
  printf '"TVKFILE"\r\n"***"\r\n""\r\n"***"\r\n' >"$scratch/wave.tvk"
  printf '"Servo0","0","127","254",0\r\n"***",123\r\n' >"$scratch/arm.sst"
  for file in wave.tvk:application/x-quarnel-script arm.sst:application/x-quarnel-servo-settings; do
    # GNOME's way, through GLib; with no desktop named, xdg-mime would ask file(1), which knows
    # no shared-mime-info package.
    type=$(XDG_CURRENT_DESKTOP=GNOME XDG_DATA_HOME=$data xdg-mime query filetype "$scratch/${file%%:*}")
    [[ "$type" == "${file#*:}" ]] || fail "${file%%:*} is of type '$type'"
    [[ "$(XDG_DATA_HOME=$data xdg-mime query default "$type")" == quarnel.desktop ]] ||
      fail "$type does not open in Quarnel"
  done
}

# The user unit as systemd reads it: every setting known and well formed, and a sandbox open
# only where the player needs it (the devices; AF_UNIX for the sound server), where a user's
# services cannot be closed (device and address lists, own root, own user) and for the home
# folder, which it sees as an empty one with the shows bound in.
expect_valid_unit() { # PREFIX
  command -v systemd-analyze >/dev/null || return 0
  local out open unit=$scratch/quarnel-play@show.service
  # systemd finds the player in /usr/local/bin or /usr/bin; this installation is elsewhere.
  sed "s|^ExecStart=quarnel-play |ExecStart=$1/bin/quarnel-play |" \
    "$1/lib/systemd/user/quarnel-play@.service" > "$unit"
  out=$(XDG_RUNTIME_DIR=$scratch MANPATH=$1/share/man systemd-analyze --user verify "$unit" 2>&1) &&
    [[ -z "$out" ]] || fail "systemd-analyze verify: $out"
  out=$(LC_ALL=C XDG_RUNTIME_DIR=$scratch systemd-analyze --user security --offline=yes "$unit")
  open=$(sed -n 's/^- \([^ ]*\).*/\1/p' <<< "$out" | LC_ALL=C sort | tr '\n' ' ')
  [[ "$open" == "DeviceAllow= IPAddressDeny= PrivateDevices= ProtectHome= RestrictAddressFamilies=~AF_UNIX RootDirectory=/RootImage= User=/DynamicUser= " ]] ||
    fail "the unit's sandbox is open in: $open"
}

# A release bumped in CMake has its changelog entry and its metainfo release; the screenshots
# that software centres fetch are the ones in docs/.
expect_release_noted() { # PREFIX
  local first image
  first=$(gzip -dc "$1/share/doc/quarnel/changelog.gz")
  [[ "${first%%$'\n'*}" == "quarnel ($version) "* ]] || fail "the changelog starts with: ${first%%$'\n'*}"
  first=$(grep -m1 -o '<release version="[^"]*"' "$1"/share/metainfo/*.metainfo.xml)
  [[ "$first" == "<release version=\"$version\"" ]] || fail "the metainfo's newest release: $first"
  for image in $(sed -n 's|.*<image>[^<]*/docs/\([^<]*\)</image>.*|\1|p' "$1"/share/metainfo/*.metainfo.xml); do
    [[ -f "$source/docs/$image" ]] || fail "a screenshot that docs/ lacks: $image"
  done
}

# Hardened as Debian builds its packages; calls are fortified only where the optimiser ran.
expect_hardened() { # PREFIX
  local program headers symbols
  for program in "$1"/bin/*; do
    headers=$(readelf -ldW "$program") symbols=$(readelf --dyn-syms -W "$program")
    grep -q GNU_RELRO <<< "$headers" || fail "$program: relocations not read-only"
    grep -q 'FLAGS.*BIND_NOW' <<< "$headers" || fail "$program: not bound at load"
    grep -q ' __stack_chk_fail' <<< "$symbols" || fail "$program: no stack protector"
    [[ $optimised == 0 ]] || grep -q ' __[a-z]*_chk' <<< "$symbols" || fail "$program: no fortified calls"
  done
}

expect_installed_program() { # PREFIX
  expect_valid_desktop_files "$1"
  expect_valid_unit "$1"
  expect_release_noted "$1"
  expect_hardened "$1"
  expect_driver_from "$1"
}

case $mode in
  types)
    for tool in update-mime-database update-desktop-database xdg-mime gio; do
      command -v $tool >/dev/null || { echo "no $tool here: the file types are not checked"; exit 77; }
    done
    cmake --install "$build" --prefix "$scratch/P" >/dev/null
    expect_file_types "$scratch/P"
    echo "types: .tvk and .sst files are known and open in Quarnel"
    exit 0
    ;;
  tree)
    cmake --install "$build" --prefix "$scratch/P" >/dev/null
    expect_files "$scratch/P" ""
    expect_installed_program "$scratch/P"
    ;;
  deb)
    command -v dpkg-deb >/dev/null || { echo "no dpkg-deb here: the .deb is not built"; exit 77; }
    cpack -G DEB -B "$scratch/package" --config "$build/CPackConfig.cmake" >/dev/null
    deb=$(echo "$scratch"/package/quarnel_"$version"_*.deb)
    [[ -f "$deb" ]] || fail "no package quarnel_${version}_*.deb"
    field() { dpkg-deb -f "$deb" "$1"; }
    [[ "$(field Package)" == quarnel && "$(field Version)" == "$version" ]] || fail "package $(field Package) $(field Version)"
    # Found by dpkg-shlibdeps, and what Qt loads at run time: its SVG plugins for the icon.
    for needed in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libsndfile1 libpulse0; do
      [[ ", $(field Depends)," == *", $needed "* || ", $(field Depends)," == *", $needed,"* ]] ||
        fail "Depends lacks $needed: $(field Depends)"
    done
    [[ ", $(field Recommends)," == *", qt6-wayland,"* && ", $(field Recommends)," == *", pipewire-pulse | pulseaudio,"* ]] ||
      fail "Recommends: $(field Recommends)"
    [[ -n "$(field Maintainer)" && -n "$(field Description)" ]] || fail "no maintainer or description"
    # The library's folder is private: no ldconfig scripts; nothing else needs scripts either.
    control=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | sort | tr '\n' ' ')
    [[ "$control" == "./ ./control ./md5sums " ]] || fail "control files: $control"
    if command -v lintian >/dev/null; then
      out=$(lintian --fail-on error,warning "$deb" 2>&1) || fail "lintian: $out"
    fi
    dpkg-deb -x "$deb" "$scratch/root"
    expect_files "$scratch/root" "usr/"
    expect_installed_program "$scratch/root/usr"
    ;;
  *) echo "usage: install_test.sh tree|deb|types BUILD_DIR SOURCE_DIR VERSION OPTIMISED" >&2; exit 2 ;;
esac
echo "$mode: the installed program is laid out and finds its own driver"
