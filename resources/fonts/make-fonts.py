#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Cuts the game's two faces out of the installed Song and Hei fonts.

Usage: resources/fonts/make-fonts.py   (run from anywhere; rewrites song.ttf and hei.ttf here)

The windows draw all their text in a Song serif and their figures in a Hei sans. The system files
are 17 to 21 MB collections of tens of thousands of glyphs, and every glyph drawn pulls their
pages into memory; a face holding only the characters the game can show costs a few hundred
kilobytes instead. The Song face has every non-ASCII character written in the game's sources and
in the translation catalogues, plus printable ASCII, so a new text in the code or a catalogue needs
this script run again (a test fails until it is); the Hei face has printable ASCII. A name the player
types may hold anything else; those characters come from the installed fonts, which stay a
dependency for that.

The faces are renamed, so they can never be mistaken for the system fonts they came from, and
keep the embedded bitmap strike that gives the Song face its crisp look at the windows' 12 pixels.
Both licences ask a modified file to say how and when it was changed: each face's description
(name 10) says so, with the date in CHANGED.
Needs python3-fonttools, fonts-arphic-uming and fonts-wqy-zenhei.
"""

import pathlib
import sys
from xml.etree import ElementTree

from fontTools import subset
from fontTools.ttLib import TTFont

HERE = pathlib.Path(__file__).resolve().parent
ROOT = HERE.parent.parent
SOURCE_DIRS = ("game", "ui", "app", "halloffame", "journey", "statistics")
CATALOGUES = ROOT / "translations"

ASCII = "".join(chr(c) for c in range(0x20, 0x7F))

# When the faces were last changed. Set it to the day whenever a run changes what the script
# writes (a new text in the game, a change below), so the notice in the files stays true.
CHANGED = "2026-12-09"

FACES = (
    # output, collection, face index, source family, family, PostScript name, characters
    ("song.ttf", "/usr/share/fonts/truetype/arphic/uming.ttc", 0, "AR PL UMing CN",
     "Tide Peddler Song", "TidePeddlerSong", "game"),
    # The Hei face draws only the status block's figures.
    ("hei.ttf", "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc", 0, "WenQuanYi Zen Hei",
     "Tide Peddler Hei", "TidePeddlerHei", "ascii"),
)


def game_characters():
    chars = set(ASCII)
    for folder in SOURCE_DIRS:
        for path in sorted((ROOT / folder).rglob("*")):
            if path.suffix in (".cpp", ".h"):
                text = path.read_text(encoding="utf-8")
                chars.update(c for c in text if ord(c) > 0x7F)
    # And every character the other languages show: the Traditional catalogue's above all.
    for catalogue in sorted(CATALOGUES.glob("*.ts")):
        for translation in ElementTree.parse(catalogue).iter("translation"):
            chars.update(c for c in (translation.text or "") if ord(c) > 0x7F)
    return "".join(sorted(chars))


def rename(font, source, family, postscript, changes):
    names = font["name"]
    notice = (f"Changed on {CHANGED} by the Tide Peddler developers with the game's "
              f"resources/fonts/make-fonts.py: cut from {source} down to the characters the "
              f"game shows, {''.join(change + ', ' for change in changes)}renamed {family}.")
    names.removeNames(nameID=10)
    names.setName(notice, 10, 3, 1, 0x409)
    for record in names.names:
        if record.nameID in (1, 4, 16):
            record.string = family
        elif record.nameID in (2, 17):
            record.string = "Regular"
        elif record.nameID == 3:
            record.string = family + " (game subset)"
        elif record.nameID == 6:
            record.string = postscript


def keep_strikes(font, sizes):
    """Drops the bitmap strikes of every size but `sizes` (pixels per em); says if it did."""
    if "EBLC" not in font:
        return False
    locations, data = font["EBLC"], font["EBDT"]
    kept = [i for i, strike in enumerate(locations.strikes)
            if strike.bitmapSizeTable.ppemY in sizes]
    dropped = len(kept) < len(locations.strikes)
    locations.strikes = [locations.strikes[i] for i in kept]
    data.strikeData = [data.strikeData[i] for i in kept]
    return dropped


def allow_installable_embedding(font):
    """Clears the OS/2 embedding restrictions; says if there were any.

    WenQuanYi Zen Hei flags itself for editable embedding only, yet its licence (the GPL with the
    font embedding exception) lets anyone embed it, as the flag 0 says; Debian's font checks
    take the stricter flag for a restriction of the licence."""
    os2 = font["OS/2"]
    if os2.fsType == 0:
        return False
    os2.fsType = 0
    return True


def make_face(output, collection, index, source, family, postscript, text):
    options = subset.Options()
    options.layout_features = ["*"]
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    options.recommended_glyphs = True
    # The default would drop the bitmap strikes; the rest is of no use to the game.
    options.drop_tables = ["BDF ", "FFTM", "DSIG", "PCLT", "LTSH", "JSTF", "BASE"]
    font = TTFont(collection, fontNumber=index, lazy=False, recalcTimestamp=False)
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=text)
    subsetter.subset(font)
    # The windows draw the Song face 12 pixels high; other sizes, as on a doubled screen, are
    # drawn from the outlines.
    changes = []
    if keep_strikes(font, {12}):
        changes.append("bitmap strikes other than 12 pixels removed")
    if allow_installable_embedding(font):
        changes.append("embedding flag set to installable as the licence allows")
    rename(font, source, family, postscript, changes)
    # The source's own time stamps are kept, so the output is the same from run to run.
    font.save(HERE / output, reorderTables=True)


def main():
    texts = {"game": game_characters(), "ascii": ASCII}
    for *face, characters in FACES:
        text = texts[characters]
        make_face(*face, text)
        print(f"{face[0]}: {len(text)} characters, "
              f"{(HERE / face[0]).stat().st_size} bytes", file=sys.stderr)


if __name__ == "__main__":
    main()
