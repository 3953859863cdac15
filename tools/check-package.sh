#!/usr/bin/env bash
# Checks the Debian package with lintian (an error fails, warnings are
# shown), its AppStream metainfo with appstreamcli and its manual pages with
# man, then installs it into a clean Debian 12 root, with apt and without
# recommended packages, and starts it there:
#   - `kestal --version`, which `kestal-cli --version` must print as well;
#   - `kestal-cli report` on every installed example, byte for byte against
#     the report of the build tree's kestal-cli;
#   - the command of the desktop entry, on an example file, under xvfb-run:
#     the main window must appear (a picture of the screen is kept), and F1
#     must show the installed help;
#   - with the recommended packages added, the desktop's view of the files:
#     an example is a KESTAL problem, which opens in kestal; a Makefile.in and
#     a config.h.in are not.
#
#   tools/check-package.sh [PRISTINE_ROOT]
#
# PRISTINE_ROOT (default build-package/bookworm) is a clean Debian 12 made by
# debootstrap when missing; each check works on a fresh copy of it. Run as
# root, with access to the Debian mirror.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-missing.sh debootstrap xdotool imagemagick lintian appstream man-db poppler-utils
deb=$(tools/package.sh | tail -1)

echo "lintian $deb:"
lintian --fail-on error --display-info "$deb" || { echo "lintian found errors" >&2; exit 1; }
pristine=${1:-build-package/bookworm}
if [ ! -d "$pristine" ]; then
  debootstrap --variant=minbase bookworm "$pristine" http://deb.debian.org/debian
fi
root=build-package/bookworm-check
rm -rf "$root"
cp -a "$pristine" "$root"
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
# The X server of the check may still be closing: let go lazily.
trap 'umount --lazy "$root/dev" "$root/proc"' EXIT
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$deb" "$root/tmp/kestal.deb"

in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }
in_root apt-get update -qq
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
  /tmp/kestal.deb xvfb xauth >/dev/null
echo "installed: $(in_root dpkg-query -W kestal)"

appstreamcli validate --no-net --explain "$root/usr/share/metainfo/org.kestal.Kestal.metainfo.xml"
for page in "$root"/usr/share/man/man1/kestal*.1.gz; do
  warnings=$(LC_ALL=C MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || { echo "$page: $warnings" >&2; exit 1; }
done
echo "the manual pages render without warnings:" "$root"/usr/share/man/man1/kestal*.1.gz

version=$(in_root kestal --version)
echo "kestal --version: $version"
[ "$(in_root kestal-cli --version)" = "$version" ] || { echo "kestal-cli --version differs" >&2; exit 1; }

for example in examples/*.in; do
  name=$(basename "$example" .in)
  SOURCE_DATE_EPOCH=0 build-package/src/kestal-cli report "$example" -o "build-package/$name.out" || true
  in_root env SOURCE_DATE_EPOCH=0 kestal-cli report "/usr/share/kestal/examples/$name.in" \
    -o "/tmp/$name.out" || true
  cmp "build-package/$name.out" "$root/tmp/$name.out"
done
echo "kestal-cli: the reports of all $(ls examples/*.in | wc -l) examples are the build tree's"

# The PDF document, painted by Qt off any screen in the bare root: it needs
# the print support library among the package's dependencies and a font.
depends=$(dpkg-deb -f "$deb" Depends)
case "$depends" in
  *libqt6printsupport6*) echo "depends on the Qt print support library: yes" ;;
  *) echo "the package does not depend on libqt6printsupport6: $depends" >&2; exit 1 ;;
esac
in_root env SOURCE_DATE_EPOCH=0 kestal-cli report /usr/share/kestal/examples/lrfd_tee_review_english.in \
  -o /tmp/document.out --pdf /tmp/document.pdf
[ "$(head -c 5 "$root/tmp/document.pdf")" = "%PDF-" ] || { echo "no PDF written" >&2; exit 1; }
if command -v pdftotext >/dev/null; then
  grep -q "Moment Mu <= phi Mn" <(pdftotext -layout "$root/tmp/document.pdf" -) ||
    { echo "the PDF holds no checks" >&2; exit 1; }
fi
echo "kestal-cli report --pdf: $(stat -c %s "$root/tmp/document.pdf") bytes, the checks readable"

exec_line=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/kestal.desktop")
command=${exec_line//%f//usr/share/kestal/examples/arema_box_review_english.in}
echo "desktop entry command: $command"
in_root xvfb-run -n 97 -s "-screen 0 1280x1024x24" sh -c "$command & sleep 14; kill \$!" &
server=$!
sleep 6
export DISPLAY=:97 XAUTHORITY
XAUTHORITY=$(ls "$root"/tmp/xvfb-run.*/Xauthority)
window=$(xdotool search --name "REINFORCED CONCRETE BEAM DESIGN" | head -1)
import -window root build-package/installed-kestal.png
help=""
if [ -n "$window" ]; then
  xdotool windowfocus --sync "$window" key F1
  sleep 2
  # The window's title names the page; without the pages it is "KESTAL Help".
  help=$(xdotool search --name "KESTAL Help - " | head -1)
  import -window root build-package/installed-help.png
fi
wait "$server" || true
[ -n "$window" ] || { echo "the main window did not appear" >&2; exit 1; }
echo "the main window appeared (picture: build-package/installed-kestal.png)"
[ -n "$help" ] || { echo "F1 did not show the help pages" >&2; exit 1; }
echo "F1 showed the help pages (picture: build-package/installed-help.png)"

in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
  xdg-utils shared-mime-info desktop-file-utils >/dev/null
in_root desktop-file-validate /usr/share/applications/kestal.desktop
type=$(in_root xdg-mime query filetype /usr/share/kestal/examples/aci_rect_design_english.in)
opener=$(in_root xdg-mime query default "$type")
echo "an example problem is $type and opens with $opener"
if [ "$type" != application/x-kestal-problem ] || [ "$opener" != kestal.desktop ]; then
  echo "an example problem is not a KESTAL problem that opens in kestal" >&2
  exit 1
fi
# Other programs' templates end in .in as well.
mkdir -p "$root/tmp/templates"
printf '# Makefile.in generated by automake 1.16.5 from Makefile.am.\n# @configure_input@\n\nVPATH = @srcdir@\nprefix = @prefix@\n' \
  >"$root/tmp/templates/Makefile.in"
printf '/* config.h.in.  Generated from configure.ac by autoheader.  */\n\n/* Define to 1 if you have the <dlfcn.h> header file. */\n#undef HAVE_DLFCN_H\n' \
  >"$root/tmp/templates/config.h.in"
for template in Makefile.in config.h.in; do
  type=$(in_root xdg-mime query filetype "/tmp/templates/$template")
  echo "a $template is $type"
  [ "$type" != application/x-kestal-problem ] || { echo "a $template is taken for a KESTAL problem" >&2; exit 1; }
done
