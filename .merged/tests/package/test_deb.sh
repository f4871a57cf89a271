#!/bin/sh
# Makes the Debian package of the build, checks its dependencies and lintian's verdict,
# unpacks it into a scratch root and starts the installed programs from there.
# test_deb.sh BUILD_FOLDER VERSION
set -eu
build=$1
version=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

if ! cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log" >&2
    fail "cpack could not make the package"
fi
deb=$(ls "$scratch"/out/*.deb)

depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6gui6 libqt6core6 libqt6network6 libqt6printsupport6 \
    qt6-translations-l10n qt6-qpa-plugins libqt6svg6 libc6 libstdc++6; do
    echo "$depends" | grep -q "$package" || fail "the package does not depend on $package: $depends"
done

dpkg -x "$deb" "$scratch/root"
root=$scratch/root
[ "$("$root/usr/bin/modelwright-cli" --version)" = "modelwright-cli $version" ] || fail "modelwright-cli --version"
# The window program answers without a display.
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$root/usr/bin/modelwright" --version)" = "modelwright $version" ] ||
    fail "modelwright --version"
"$root/usr/bin/modelwright" --help | grep -q -- "--version" || fail "modelwright --help"

for file in usr/share/applications/modelwright.desktop usr/share/mime/packages/modelwright.xml \
    usr/share/metainfo/org.example.modelwright.metainfo.xml usr/share/icons/hicolor/scalable/apps/modelwright.svg \
    usr/share/icons/hicolor/16x16/apps/modelwright.png usr/share/icons/hicolor/512x512/apps/modelwright.png \
    usr/share/modelwright/help/Modelwright.html usr/share/modelwright/translations/ModelwrightDEU.qm \
    usr/share/doc/modelwright/copyright usr/share/doc/modelwright/changelog.gz; do
    [ -f "$root/$file" ] || fail "$file is not installed"
done

# The desktop's MIME database takes the file types, with the document's first bytes.
if command -v update-mime-database >/dev/null; then
    update-mime-database "$root/usr/share/mime" >/dev/null 2>&1 || fail "update-mime-database refused the MIME types"
    grep -q "CSerializationManager" "$root/usr/share/mime/magic" || fail "no magic rule for the document"
fi

if command -v lintian >/dev/null; then
    lintian --tag-display-limit 0 "$deb" >"$scratch/lintian.log" 2>&1 || true
    if grep -q "^E:" "$scratch/lintian.log"; then
        cat "$scratch/lintian.log" >&2
        fail "lintian reports errors"
    fi
fi
echo "package $(basename "$deb") installs and starts"
