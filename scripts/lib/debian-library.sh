# Libraries for the other targets (the browser, Windows), built from Debian's
# own source packages and kept in a cache outside the clone, so that a machine
# builds each of them once. Source this file; it defines:
#
#   debian_library <source package> <toolchain file> <cmake option>...
#
# which prints the prefix the library is installed in. The source comes
# through a private apt sources list (the system's apt settings are left
# alone): apt checks each file against the archive's signed index, and
# dpkg-source checks the tarballs against the .dsc again as it unpacks them
# with Debian's patches applied. The version is the one bookworm offers today,
# the same as the native build links. The cache key is the .dsc's SHA-256
# together with the toolchain file, the options and the prefixes they name, so
# a new Debian revision, a changed recipe or a rebuilt dependency each make a
# fresh build.

vork_cache=${VORK_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/vork}
vork_apt=$vork_cache/apt

vork_apt_get() {
  local sandbox=()
  # As root apt hands downloads to its _apt user, which cannot write a private cache.
  [ "$(id -u)" -eq 0 ] && sandbox=(-o APT::Sandbox::User=root)
  apt-get -q "${sandbox[@]}" -o Dir::Etc::SourceList="$vork_apt/sources.list" -o Dir::Etc::SourceParts=/dev/null \
    -o Dir::State::Lists="$vork_apt/lists" -o Dir::Cache="$vork_apt/cache" -o Debug::NoLocking=1 "$@"
}

# Reads the archive's signed source indexes, at most once per run.
vork_apt_update() {
  [ -n "${vork_apt_updated:-}" ] && return 0
  mkdir -p "$vork_apt/lists/partial" "$vork_apt/cache/archives/partial"
  cat >"$vork_apt/sources.list" <<'LIST'
deb-src http://deb.debian.org/debian bookworm main
deb-src http://deb.debian.org/debian bookworm-updates main
deb-src http://deb.debian.org/debian-security bookworm-security main
LIST
  vork_apt_get update >/dev/null
  vork_apt_updated=1
}

# The SHA-256 of the source package's .dsc, as the signed index gives it.
vork_dsc_sha256() {
  vork_apt_update
  vork_apt_get source --print-uris "$1" 2>/dev/null |
    awk '$2 ~ /\.dsc$/ { sub(/^SHA256:/, "", $4); print $4; exit }'
}

debian_library() {
  local package=$1 toolchain=$2
  shift 2
  local dsc
  dsc=$(vork_dsc_sha256 "$package")
  if [ -z "$dsc" ]; then
    echo "debian_library: no source package $package in bookworm" >&2
    return 1
  fi
  local key
  key=$( { echo "$dsc"; cat "$toolchain"; printf '%s\n' "$@"; } | sha256sum | cut -c1-16)
  local prefix=$vork_cache/lib/$package-$key
  if [ -e "$prefix/.complete" ]; then
    echo "$prefix"
    return 0
  fi

  local work
  mkdir -p "$vork_cache/lib"
  work=$(mktemp -d "$vork_cache/build.XXXXXX")
  echo "Building $package from Debian's source for $(basename "$toolchain" .cmake) (once; cached in $prefix)" >&2
  (
    set -e
    cd "$work"
    vork_apt_get source --download-only "$package" >/dev/null 2>&1
    local file
    file=$(ls ./*.dsc)
    [ "$(sha256sum <"$file" | cut -d' ' -f1)" = "$dsc" ]
    # The .dsc is signed by its uploader, whose key only the debian-keyring
    # package has; its hash came from the archive's signed index above.
    dpkg-source --require-strong-checksums -x "$file" src >unpack.log 2>&1 || { cat unpack.log >&2; exit 1; }
    # Installed where it stays: some of what a library installs names its prefix.
    rm -rf "$prefix"
    cmake -S src -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
      -DCMAKE_INSTALL_PREFIX="$prefix" "$@" >build.log 2>&1 || { cat build.log >&2; exit 1; }
    cmake --build build >>build.log 2>&1 || { tail -50 build.log >&2; exit 1; }
    cmake --install build >>build.log 2>&1
    # The licences travel with what is built from them.
    mkdir -p "$prefix/share/doc/$package"
    find src -maxdepth 2 -type f \( -path 'src/LICENSE*' -o -path 'src/COPYING*' -o -path 'src/docs/LICENSE*' \
      -o -path 'src/docs/FTL.TXT' -o -path 'src/docs/GPLv2.TXT' \) -exec cp -t "$prefix/share/doc/$package" {} +
    echo "$package $dsc" >"$prefix/.complete"
  ) || { rm -rf "$work" "$prefix"; echo "debian_library: building $package failed" >&2; return 1; }
  rm -rf "$work"
  echo "$prefix"
}
