#!/usr/bin/env python3
"""Cuts Debian's stand-in faces down to the characters the page draws in them, as WOFF2.

Usage: subset_fonts.py RECORDS.json SITE PAGE STYLE WINDOW

Each caption of the records (as web_records prints them) is drawn in its font's stand-in
face, weight and slant; those characters are kept. The face the text boxes and the message
box use keeps printable Latin-1 too, as people type there and error reports are written
there. Writes SITE/fonts/*.woff2, SITE/fonts/*.LICENSE (each face's copyright file) and
SITE/index.html from PAGE with, in place of their markers, a preload link per face (so the
faces download beside the program instead of after it has drawn the window) and the style
sheet inline: one @font-face per face, then STYLE. An inline sheet saves a request the
program's script would wait for; the page's Content-Security-Policy allows exactly it, by
its SHA-256. WINDOW is the start-up window as web_prerender writes it: its elements go into
the page's body, and their places, fonts and colours at the end of the style sheet; the
window's caption is the page's title.
"""
import base64
import hashlib
import html
import json
import pathlib
import shutil
import sys

from fontTools import subset

# (family, weight, italic) -> Debian's file of that face and the package it comes from.
FACES = {
    ("Liberation Sans", 400, False): ("/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf", "fonts-liberation"),
    ("EB Garamond 12", 700, False): ("/usr/share/fonts/opentype/ebgaramond/EBGaramond12-Bold.otf", "fonts-ebgaramond"),
    ("EB Garamond 12", 400, True): ("/usr/share/fonts/opentype/ebgaramond/EBGaramond12-Italic.otf", "fonts-ebgaramond"),
    ("DejaVu Sans", 700, False): ("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf", "fonts-dejavu-core"),
    ("DejaVu Sans", 400, True): ("/usr/share/fonts/truetype/dejavu/DejaVuSans-Oblique.ttf", "fonts-dejavu-extra"),
}
TYPED_FACE = ("Liberation Sans", 400, False)
PRINTABLE_LATIN_1 = "".join(map(chr, range(0x20, 0x7F))) + "".join(map(chr, range(0xA0, 0x100)))


def key(font):
    return (font["family"], font["weight"], font["italic"])


PRELOAD_MARKER = "<!-- fonts: preloaded here by subset_fonts.py -->\n"
STYLE_MARKER = "<!-- style: inlined here by subset_fonts.py -->\n"
STYLE_HASH_MARKER = "'style-hash'"
WINDOW_MARKER = "<!-- window: written here by subset_fonts.py -->\n"
TITLE_MARKER = "<!-- title: the window's caption, written here by subset_fonts.py -->\n"


def write_page(page_path, site, names, style, window, caption):
    page = pathlib.Path(page_path).read_text(encoding="utf-8")
    for marker in (PRELOAD_MARKER, STYLE_MARKER, STYLE_HASH_MARKER, WINDOW_MARKER, TITLE_MARKER):
        if marker not in page:
            sys.exit(f"subset_fonts: {page_path} has no {marker.strip()}")
    links = "".join(f'<link rel="preload" href="fonts/{name}.woff2" as="font" type="font/woff2" '
                    "crossorigin>\n" for name in names)
    digest = base64.b64encode(hashlib.sha256(style.encode("utf-8")).digest()).decode("ascii")
    page = (page.replace(PRELOAD_MARKER, links)
                .replace(STYLE_MARKER, f"<style>{style}</style>\n")
                .replace(STYLE_HASH_MARKER, f"'sha256-{digest}'")
                .replace(WINDOW_MARKER, window)
                .replace(TITLE_MARKER, f"<title>{html.escape(caption)}</title>\n"))
    (pathlib.Path(site) / "index.html").write_text(page, encoding="utf-8")


def main(records_path, site, page_path, style_path, window_path):
    records = json.loads(pathlib.Path(records_path).read_text(encoding="utf-8"))
    texts = {face: set() for face in FACES}
    texts[TYPED_FACE].update(PRINTABLE_LATIN_1)
    texts[key(records["font"])].update(records["caption"])
    for control in records["controls"]:
        if key(control["font"]) not in FACES:
            sys.exit(f"subset_fonts: no face for {control['font']} ({control['name']})")
        texts[key(control["font"])].update(control["caption"])

    fonts = pathlib.Path(site) / "fonts"
    fonts.mkdir(parents=True, exist_ok=True)
    rules = []
    names = []
    for (family, weight, italic), (source, package) in sorted(FACES.items()):
        name = pathlib.Path(source).stem
        names.append(name)
        options = subset.Options()
        options.flavor = "woff2"
        options.layout_features = ["kern", "liga"]
        options.name_IDs = ["*"]  # keep the copyright and licence names
        options.hinting = False  # browsers draw these sizes well unhinted, at a third of the bytes
        options.drop_tables += ["FFTM"]
        font = subset.load_font(source, options)
        subsetter = subset.Subsetter(options)
        subsetter.populate(text="".join(sorted(texts[(family, weight, italic)] | {" "})))
        subsetter.subset(font)
        font.flavor = "woff2"
        font.save(fonts / f"{name}.woff2")
        shutil.copyfile(f"/usr/share/doc/{package}/copyright", fonts / f"{name}.LICENSE")
        rules.append(
            "@font-face {\n"
            f'  font-family: "{family}";\n'
            f"  src: url(fonts/{name}.woff2) format(\"woff2\");\n"
            f"  font-weight: {weight};\n"
            f"  font-style: {'italic' if italic else 'normal'};\n"
            # The window is usable before its faces come: captions show in a fallback face
            # meanwhile, rather than not at all.
            "  font-display: swap;\n"
            "}\n")
    window, window_style = pathlib.Path(window_path).read_text(encoding="utf-8").split("%%\n")
    style = ("\n/* The stand-in faces, cut down to the characters the page draws. */\n"
             + "".join(rules) + pathlib.Path(style_path).read_text(encoding="utf-8")
             + "/* The window: each element's place, font and colour, from its record. */\n"
             + window_style)
    write_page(page_path, site, names, style, window, records["caption"])


if __name__ == "__main__":
    main(*sys.argv[1:])
