#!/usr/bin/env python3
"""Writes the site's index.html and manifest from their templates and what the page is made of.

Usage: write_page.py PAGE.json FACES.json STYLE.css PAGE.js PAGE_TEMPLATE MANIFEST_TEMPLATE SITE

PAGE.json is what page_writer writes, FACES.json what cut_fonts.py lists. In SITE/index.html,
in place of the template's markers: the window's caption as the title; the theme colour; a
preload link per face (so the faces download beside the program instead of after it has
drawn the window); the style sheet inline, its SHA-256 in the Content-Security-Policy,
which allows exactly it (an inline sheet saves a request the program's script would wait
for): one @font-face per face, STYLE.css, then the page's colours and the window's places,
fonts and colours; the window's elements in the page's body; a link to each family's
licence below the window; and PAGE.js inline at the body's end, allowed by its SHA-256 too
(it adopts the window as soon as the window is parsed, with no request to wait for).
SITE/manifest.webmanifest is the manifest's template with the theme colour as its
background and theme colours.
"""
import base64
import hashlib
import html
import json
import pathlib
import sys

MARKERS = {
    "title": "<!-- title: the window's caption, written here by write_page.py -->\n",
    "theme": "<!-- theme colour: written here by write_page.py -->\n",
    "preloads": "<!-- fonts: preloaded here by write_page.py -->\n",
    "style": "<!-- style: inlined here by write_page.py -->\n",
    "style hash": "'style-hash'",
    "window": "<!-- window: written here by write_page.py -->\n",
    "licences": "<!-- licences: each face's linked here by write_page.py -->\n",
    "script": "<!-- page.js: inlined here by write_page.py -->\n",
    "script hash": "'script-hash'",
}


def digest(text):
    return base64.b64encode(hashlib.sha256(text.encode("utf-8")).digest()).decode("ascii")


def font_face(face):
    return ("@font-face {\n"
            f'  font-family: "{face["family"]}";\n'
            f'  src: url(fonts/{face["file"]}) format("woff2");\n'
            f'  font-weight: {face["weight"]};\n'
            f'  font-style: {"italic" if face["italic"] else "normal"};\n'
            # The window is usable before its faces come: captions show in a fallback face
            # meanwhile, rather than not at all.
            "  font-display: swap;\n"
            "}\n")


def licence_links(faces):
    """A link to the licence of each family the page draws, once per family: a family's
    faces come under one licence."""
    first_of = {}
    for face in faces:
        first_of.setdefault(face["family"], face["file"])
    return ",\n".join(f'<a href="fonts/{html.escape(pathlib.Path(file).stem)}.LICENSE">'
                       f"{html.escape(family)}</a>" for family, file in first_of.items()) + "\n"


def main(page_path, faces_path, style_path, script_path, template_path, manifest_path, site):
    page = json.loads(pathlib.Path(page_path).read_text(encoding="utf-8"))
    faces = json.loads(pathlib.Path(faces_path).read_text(encoding="utf-8"))
    style = ("\n/* The stand-in faces, cut down to the characters the page draws. */\n"
             + "".join(map(font_face, faces)) + pathlib.Path(style_path).read_text(encoding="utf-8")
             + "/* The page's colours and face; the window's places, fonts and colours. */\n"
             + page["style"])
    script = pathlib.Path(script_path).read_text(encoding="utf-8")
    if "</script" in script.lower() or "<!--" in script:
        sys.exit(f"write_page: {script_path} cannot be inlined: it holds </script or <!--")
    written = {
        "title": f"<title>{html.escape(page['title'])}</title>\n",
        "theme": f'<meta name="theme-color" content="{page["themeColour"]}">\n',
        "preloads": "".join(f'<link rel="preload" href="fonts/{face["file"]}" as="font" '
                            'type="font/woff2" crossorigin>\n' for face in faces),
        "style": f"<style>{style}</style>\n",
        "style hash": f"'sha256-{digest(style)}'",
        "window": page["markup"],
        "licences": licence_links(faces),
        "script": f"<script>{script}</script>\n",
        "script hash": f"'sha256-{digest(script)}'",
    }
    index = pathlib.Path(template_path).read_text(encoding="utf-8")
    for part, marker in MARKERS.items():
        if marker not in index:
            sys.exit(f"write_page: {template_path} has no marker for the {part}")
        index = index.replace(marker, written[part])
    (pathlib.Path(site) / "index.html").write_text(index, encoding="utf-8")

    manifest = json.loads(pathlib.Path(manifest_path).read_text(encoding="utf-8"))
    manifest["background_color"] = manifest["theme_color"] = page["themeColour"]
    (pathlib.Path(site) / "manifest.webmanifest").write_text(
        json.dumps(manifest, indent=2, ensure_ascii=False) + "\n", encoding="utf-8")


if __name__ == "__main__":
    if len(sys.argv) != 8:
        sys.exit(__doc__)
    main(*sys.argv[1:])
