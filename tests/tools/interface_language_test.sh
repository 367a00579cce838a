#!/usr/bin/env bash
# The same session of the main window (every tab, an export, the About box, the history) under
# C, ja_JP.UTF-8 and en_US.UTF-8: the windows' texts are the same bytes under C and Japanese, the
# English run shows no Japanese text at all, and the files written (the CSV log with its English
# title line, the plot files) are the same bytes in every locale.
# Usage: interface_language_test.sh VANTREL_SCENARIO DEMO_DIR
set -euo pipefail
scenario=$1
demo=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for locale in C ja_JP.UTF-8 en_US.UTF-8; do
    run=$work/$locale
    mkdir -p "$run/config/Halvorn/Vantrel" "$run/data"
    cp -rp "$demo" "$run/client"
    # Plot files beside the log, so that they are compared too; one time for every run.
    printf '[Export]\nPlot=int:1\n' >"$run/config/Halvorn/Vantrel/settings"
    (cd "$run/client" && printf '%s\n' 'clock 1796000000' refresh 'tab 0' 'tab 1' 'tab 2' 'tab 3' 'tab 4' export about \
        history close close |
        env XDG_CONFIG_HOME="$run/config" XDG_DATA_HOME="$run/data" TZ=Asia/Tokyo \
            LC_ALL="$locale" LANG="$locale" LANGUAGE= "$scenario") >"$run/session.json"
done

python3 - "$work" <<'PY'
import filecmp, os, re, sys
work = sys.argv[1]
def session(locale):
    # The runs' folders and the wall clock's times of day differ; everything else must not.
    text = open(f"{work}/{locale}/session.json", encoding="utf-8").read()
    text = text.replace(f"{work}/{locale}/", "RUN/")
    return re.sub(r"\d\d:\d\d:\d\d", "hh:mm:ss", text)
c, ja, en = session("C"), session("ja_JP.UTF-8"), session("en_US.UTF-8")
assert c == ja, "the windows' texts differ between C and ja_JP.UTF-8"
assert re.search("[\u3040-\u30ff\u4e00-\u9fff\uff01-\uff9f]", c), "no Japanese under C"
japanese = re.findall("[^\"]*[\u3040-\u30ff\u4e00-\u9fff\uff01-\uff9f][^\"]*", en)
assert not japanese, f"Japanese left in the English interface: {japanese[:5]}"
for needle in ["Last update: ", "Data type:", "Progress/Forecast", "History - "]:
    assert needle in en, needle
files = {}
for locale in ["C", "ja_JP.UTF-8", "en_US.UTF-8"]:
    root = f"{work}/{locale}/data"
    files[locale] = sorted(os.path.relpath(os.path.join(d, f), root)
                           for d, _, names in os.walk(root) for f in names if f != "settings.lock")
assert files["C"] == files["ja_JP.UTF-8"] == files["en_US.UTF-8"], files
assert any(f.endswith(".csv") for f in files["C"]), files["C"]
for name in files["C"]:
    for locale in ["ja_JP.UTF-8", "en_US.UTF-8"]:
        assert filecmp.cmp(f"{work}/C/data/{name}", f"{work}/{locale}/data/{name}", shallow=False), \
            f"{name} differs under {locale}"
print(f"interface language: windows alike under C and Japanese, all English under en_US, "
      f"{len(files['C'])} files written alike")
PY
