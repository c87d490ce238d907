#!/usr/bin/env bash
# Regenerates the screenshots of this folder: the program run by the replay
# harness (build folder given as the first argument, default build) in a
# scratch copy of its runtime folder, each frame converted to PNG.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
src=$(cd "$here/../.." && pwd)
build=$(cd "${1:-$src/build}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A runtime folder with the sample catalogue as the default database.
layout() {
  rm -rf "$work/run" && mkdir -p "$work/run/samples"
  cp -r "$src/data/Fonts" "$src/data/Pictures" "$work/run/"
  cp -r "$src/data/samples/." "$work/run/samples/"
  "$build/tools/cvltool/cvltool" import "$src/data/samples/hmloviny.csv" "$work/run/samples/Hmloviny.cvl" \
    --path 'samples\Hmloviny.cvl' --name "Hmloviny" --author "Corvala" \
    --description "Vzorový katalóg známych hmlovín všetkých siedmich typov" >/dev/null
  "$build/tools/cvltool/cvltool" settings "$work/run/cv_settings.ini" "$1" >/dev/null
}

shoot() {
  (cd "$work/run" && "$build/corvala-replay" script.replay)
  for shot in "$@"; do convert "$work/run/$shot.bmp" "$here/$shot.png"; done
}

layout 'samples\Hmloviny.cvl'
cat > "$work/run/script.replay" <<'SCRIPT'
clock 2026-12-08 20:41:07 utc+60
frames 3
shot main-window.bmp
move 240 50
move 241 50
click 241 50
move 245 118
move 246 118
shot file-menu.bmp
press ESCAPE
click 792 469
move 600 600
frames 2
shot exit-form.bmp
program modify Hmloviny (upravené)
click 456 437
move 600 650
frames 2
shot save-question.bmp
SCRIPT
shoot main-window file-menu exit-form save-question

layout 'samples\Hmloviny.cvl'
cat > "$work/run/script.replay" <<'SCRIPT'
clock 2026-12-08 20:41:07 utc+60
frames 3
program show-item 3
move 600 690
frames 2
shot item-view.bmp
rclick 690 340
move 600 700
frames 2
shot fullscreen.bmp
SCRIPT
shoot item-view fullscreen

# The file forms, each put away again with Tab, Tab, Enter (its Cancel).
layout 'samples\Hmloviny.cvl'
cat > "$work/run/script.replay" <<'SCRIPT'
clock 2026-12-08 20:41:07 utc+60
frames 3
click 241 50
move 200 96
click 200 96
frames 1
type katalogy\Moje hmloviny.cvl
press RETURN
frames 1
type Hmloviny južnej oblohy
press RETURN
frames 1
type Ján Kováč
press RETURN
frames 1
type Pozorovania z Kysúc, 2026
move 600 690
frames 2
shot file-new-form.bmp
press TAB
frames 1
press TAB
frames 1
press RETURN
frames 1
click 241 50
move 200 122
click 200 122
frames 1
type samples\Hmloviny.cvl
move 600 690
frames 2
shot open-form.bmp
press TAB
frames 1
press TAB
frames 1
press RETURN
frames 1
click 241 50
move 200 174
click 200 174
frames 1
type samples/Hmloviny kópia.cvl
move 600 690
frames 2
shot save-as-form.bmp
press TAB
frames 1
press TAB
frames 1
press RETURN
frames 1
click 150 120
move 130 161
click 130 161
move 600 690
frames 2
shot informations-form.bmp
SCRIPT
shoot file-new-form open-form save-as-form informations-form

layout 'katalogy\Moje hmloviny.cvl'
cat > "$work/run/script.replay" <<'SCRIPT'
clock 2026-12-08 20:41:07 utc+60
frames 3
move 600 650
frames 2
shot error-form.bmp
SCRIPT
shoot error-form

# The observatory: the night sky over Bratislava with the sample catalogue,
# then a nebula focused by the pointer (its name, rise, culmination and set
# under the speeds), then the same in night mode (F9).
layout 'samples\Hmloviny.cvl'
"$build/tools/cvltool/cvltool" settings "$work/run/cv_settings.ini" 'samples\Hmloviny.cvl' \
  --latitude 48.1486 --longitude 17.1077 >/dev/null
cat > "$work/run/script.replay" <<'SCRIPT'
clock 2026-12-08 21:30:00 utc+60
frames 3
click 147 402
move 300 450
move 301 450
frames 2
shot observatory.bmp
move 308 322
move 310 322
frames 2
shot observatory-focused.bmp
press F9
shot observatory-night-mode.bmp
SCRIPT
shoot observatory observatory-focused observatory-night-mode

# The control gallery of the harness, every control used once, with the combo
# box open.
layout 'samples\Hmloviny.cvl'
cat > "$work/run/script.replay" <<'SCRIPT'
frames 2
type Žltá hmlovina č. 4
press RETURN
type Nová 
click 89 246
click 105 308
click 431 356
click 200 630
click 459 501
click 652 413
click 676 128
move 662 184
move 663 184
frames 2
shot control-gallery.bmp
SCRIPT
(cd "$work/run" && "$build/corvala-replay" --gallery script.replay)
convert "$work/run/control-gallery.bmp" "$here/control-gallery.png"

# Records: the add form being filled in, the list sorted by name with a
# search and a selected row, and the delete question for that row.
layout 'samples\Hmloviny.cvl'
cat > "$work/run/script.replay" <<'SCRIPT'
clock 2026-12-08 20:41:07 utc+60
frames 3
click 148 120
click 150 187
frames 2
type Hmlovina Šťuka
press RETURN
frames 2
type 2174
press RETURN
frames 2
type 6.2611
press RETURN
frames 2
type 20.4833
press RETURN
frames 2
type 6400
press RETURN
frames 2
type 6.8
press RETURN
frames 2
press RETURN
frames 2
press DOWN
frames 2
press DOWN
frames 2
press DOWN
frames 2
press DOWN
frames 2
press DOWN
frames 2
press RETURN
frames 2
type ngc2174.bmp
press RETURN
frames 2
type Emisná hmlovina v Orióne
move 600 690
frames 2
shot add-form.bmp
click 542 497
frames 2
click 148 120
click 150 213
frames 2
click 183 130
frames 2
click 183 130
frames 2
click 643 555
click 865 555
type Hmlovina
frames 2
click 200 206
move 600 720
frames 2
shot list-form.bmp
press DELETE
frames 2
move 600 720
frames 2
shot delete-question.bmp
SCRIPT
shoot add-form list-form delete-question

layout 'samples\Hmloviny.cvl'
cat > "$work/run/script.replay" <<'SCRIPT'
clock 2026-12-08 20:41:07 utc+60
frames 3
click 787 55
click 432 242
move 600 690
frames 2
shot settings-form.bmp
click 442 548
click 241 469
click 320 385
move 600 690
frames 2
shot encyclopedia-page.bmp
click 511 577
click 880 121
click 310 276
move 600 690
frames 2
shot help-control.bmp
click 511 577
click 880 403
move 600 690
frames 2
shot about-form.bmp
SCRIPT
shoot settings-form encyclopedia-page help-control about-form

# The NGC/IC nebulae: the list sorted by name, the observatory over
# Bratislava on a winter evening and over Sydney a few hours later.
ngc_layout() {
  layout 'samples\NGC-IC.cvl'
  "$build/tools/cvltool/cvltool" import "$src/data/catalogues/ngc-ic.csv" "$work/run/samples/NGC-IC.cvl" \
    --path 'samples\NGC-IC.cvl' --name "NGC/IC" >/dev/null
  "$build/tools/cvltool/cvltool" settings "$work/run/cv_settings.ini" 'samples\NGC-IC.cvl' \
    --latitude "$1" --longitude "$2" >/dev/null
}
ngc_layout 48.1486 17.1077
cat > "$work/run/script.replay" <<'SCRIPT'
clock 2026-12-08 20:41:07 utc+60
frames 3
click 148 120
click 150 213
frames 2
click 183 130
frames 2
click 183 130
frames 2
move 600 720
frames 2
shot ngc-ic-list.bmp
click 953 657
frames 2
click 147 402
move 300 450
move 301 450
frames 2
shot ngc-ic-observatory-bratislava.bmp
SCRIPT
shoot ngc-ic-list ngc-ic-observatory-bratislava

ngc_layout -33.8688 151.2093
cat > "$work/run/script.replay" <<'SCRIPT'
clock 2026-12-08 11:30:00 utc+660
frames 3
click 147 402
move 300 450
move 301 450
frames 2
shot ngc-ic-observatory-sydney.bmp
SCRIPT
shoot ngc-ic-observatory-sydney

# The search typed without ticking its box, lower case and without accents;
# the place list of a first start, opened and turned by the wheel.
layout 'samples\Hmloviny.cvl'
cat > "$work/run/script.replay" <<'SCRIPT'
clock 2026-12-08 20:41:07 utc+60
frames 3
click 148 120
click 150 213
frames 2
click 865 555
type velka
move 600 720
frames 2
shot list-search.bmp
press ESCAPE
click 147 402
click 550 326
move 520 400
wheel -1
frames 2
shot settings-places.bmp
SCRIPT
shoot list-search settings-places
