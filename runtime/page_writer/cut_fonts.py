#!/usr/bin/env python3
"""Cuts each face the page draws down to the characters drawn in it, as WOFF2.

Usage: cut_fonts.py PAGE.json FONTS LIST.json

PAGE.json is what page_writer writes; its "faces" name each face by family, weight and
slant, with its characters. Each face's file is the one fontconfig lists for exactly that
face among the installed fonts, and its licence the copyright file of the Debian package
that installed it. Writes FONTS/NAME.woff2 and FONTS/NAME.LICENSE for each face, and
LIST.json: the faces again, each with "file", the name of its WOFF2 file.
"""
import json
import pathlib
import shutil
import subprocess
import sys

from fontTools import subset

# CSS's weights as fontconfig numbers them.
FONTCONFIG_WEIGHTS = {400: 80, 700: 200}
NORMAL_WIDTH = 100


def face_file(face):
    """The one installed file of the face; the build stops where there is none, or more."""
    name = f"{face['family']} {face['weight']}{' italic' if face['italic'] else ''}"
    if face["weight"] not in FONTCONFIG_WEIGHTS:
        sys.exit(f"cut_fonts: fontconfig has no weight for {name}")
    pattern = f"{face['family']}:weight={FONTCONFIG_WEIGHTS[face['weight']]}:width={NORMAL_WIDTH}"
    listed = subprocess.run(["fc-list", "--format", "%{slant} %{file}\n", pattern],
                            capture_output=True, text=True, check=True).stdout.splitlines()
    # Italic or oblique, as CSS draws either for italic; upright is slant 0.
    files = [file for slant, file in (line.split(" ", 1) for line in listed)
             if (int(slant) > 0) == face["italic"]]
    if len(files) != 1:
        sys.exit(f"cut_fonts: fontconfig lists {len(files)} files for {name}: {files}")
    return pathlib.Path(files[0])


def licence(font_file):
    """The copyright file of the Debian package that installed the font."""
    owner = subprocess.run(["dpkg", "-S", str(font_file)], capture_output=True, text=True,
                           check=True).stdout
    package = owner.split(":", 1)[0].split(",")[0].strip()
    return pathlib.Path("/usr/share/doc") / package / "copyright"


def cut(source, characters, target):
    options = subset.Options()
    options.flavor = "woff2"
    options.layout_features = ["kern", "liga"]
    options.name_IDs = ["*"]  # keep the copyright and licence names
    options.hinting = False  # browsers draw these sizes well unhinted, at a third of the bytes
    options.drop_tables += ["FFTM"]
    font = subset.load_font(str(source), options)
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=characters)
    subsetter.subset(font)
    font.flavor = "woff2"
    font.save(target)


def main(page_path, fonts_path, list_path):
    page = json.loads(pathlib.Path(page_path).read_text(encoding="utf-8"))
    fonts = pathlib.Path(fonts_path)
    fonts.mkdir(parents=True, exist_ok=True)
    listed = []
    for face in page["faces"]:
        source = face_file(face)
        cut(source, face["characters"], fonts / f"{source.stem}.woff2")
        shutil.copyfile(licence(source), fonts / f"{source.stem}.LICENSE")
        listed.append({key: face[key] for key in ("family", "weight", "italic")}
                      | {"file": f"{source.stem}.woff2"})
    pathlib.Path(list_path).write_text(json.dumps(listed, indent=1) + "\n", encoding="utf-8")


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
