# Sourced by the scripts that fetch a package from the archive this machine installs from,
# without installing it: a source list, package lists and a cache of their own in a work folder,
# passed to apt by option, so that the machine's package configuration is never touched.

# archive_open WORK SUITE...: reads the main component of each suite (a suite the archive does
# not serve is left out) and sets archive_site and the arrays archive_get and archive_cache,
# apt-get and apt-cache working on those lists.
archive_open() {
    local work=$1 suite opts keyring=/usr/share/keyrings/debian-archive-keyring.gpg
    shift
    . /etc/os-release
    archive_site=$(apt-get indextargets --format '$(SITE) $(RELEASE) $(COMPONENT)' 2>/dev/null |
                   awk -v r="$VERSION_CODENAME" '$2 == r && $3 == "main" { print $1; exit }')
    if [ -z "$archive_site" ]; then
        echo "no Debian archive for $VERSION_CODENAME main in this machine's package sources" >&2
        return 1
    fi
    mkdir -p "$work/apt/lists/partial" "$work/apt/cache/archives/partial"
    opts="arch=$(dpkg --print-architecture)"
    [ -f "$keyring" ] && opts="$opts signed-by=$keyring"
    for suite in "$@"; do
        printf 'deb [%s] %s %s main\n' "$opts" "$archive_site" "$suite"
    done >"$work/apt/sources.list"
    local options=(-o "Dir::Etc::SourceList=$work/apt/sources.list" -o Dir::Etc::SourceParts=/nonexistent
                   -o "Dir::State::Lists=$work/apt/lists" -o "Dir::Cache=$work/apt/cache")
    archive_get=(apt-get -qq "${options[@]}" -o "APT::Sandbox::User=$(id -un)")
    archive_cache=(apt-cache "${options[@]}")
    # A suite that is missing only fails its own index; whether what is wanted came is asked next.
    "${archive_get[@]}" update 2>/dev/null || true
}

# archive_versions PACKAGE: every version of PACKAGE the opened lists offer, one a line.
archive_versions() {
    "${archive_cache[@]}" madison "$1" 2>/dev/null | awk -F'|' '{ gsub(/[[:space:]]/, "", $2); print $2 }'
}
