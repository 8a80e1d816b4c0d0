#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Assembles the web page twice: a folder to serve, and one self-contained HTML file.

Both carry a Content-Security-Policy that allows no connection at all; the single file allows
exactly its own inline scripts and style by their hashes, so it needs no 'unsafe-inline'.
"""
import argparse
import base64
import hashlib
import pathlib
import re
import shutil

# What both forms share: nothing may be fetched, posted or framed.
COMMON_POLICY = ["default-src 'none'", "connect-src 'none'", "form-action 'none'",
                 "base-uri 'none'", "object-src 'none'", "frame-src 'none'", "worker-src 'none'"]
SCRIPTS = ["faultwise-core-wasm.js", "faultwise-core.js", "faultwise.js"]
STYLE = "faultwise.css"
LOGO = "logo.png"


def policy(script_sources, style_sources, image_sources):
    return "; ".join(COMMON_POLICY + [
        "script-src " + " ".join(script_sources + ["'wasm-unsafe-eval'"]),
        "style-src " + " ".join(style_sources),
        "img-src " + " ".join(image_sources),
    ])


def sha256_source(text):
    digest = hashlib.sha256(text.encode("utf-8")).digest()
    return "'sha256-" + base64.b64encode(digest).decode("ascii") + "'"


def replace_once(html, old, new):
    if html.count(old) != 1:
        raise SystemExit(f"assemble_page: expected one {old!r} in index.html")
    return html.replace(old, new)


def inline_text(text, closing_tag):
    # A literal closing tag inside inlined code would end the element early.
    return re.sub("</(" + closing_tag + ")", r"<\\/\1", text, flags=re.IGNORECASE)


def wasm_script(wasm):
    # The module's bytes as a script: a fetch of the .wasm would need a connection.
    encoded = base64.b64encode(wasm.read_bytes()).decode("ascii")
    return f'var faultwiseCoreWasm = "{encoded}";\n'


def build_folder(page, core, wasm, logo, folder, html):
    folder.mkdir(parents=True, exist_ok=True)
    for name in ["faultwise.js", STYLE]:
        shutil.copyfile(page / name, folder / name)
    shutil.copyfile(core, folder / "faultwise-core.js")
    (folder / "faultwise-core-wasm.js").write_text(wasm_script(wasm), encoding="ascii")
    shutil.copyfile(logo, folder / LOGO)
    html = replace_once(html, "@CSP@", policy(["'self'"], ["'self'"], ["'self'"]))
    (folder / "index.html").write_text(html, encoding="utf-8")


def build_single(page, core, wasm, logo, single, html):
    style = inline_text((page / STYLE).read_text(encoding="utf-8"), "style")
    html = replace_once(html, f'<link rel="stylesheet" href="{STYLE}">', f"<style>{style}</style>")
    sources = {"faultwise-core-wasm.js": wasm_script(wasm),
               "faultwise-core.js": core.read_text(encoding="utf-8"),
               "faultwise.js": (page / "faultwise.js").read_text(encoding="utf-8")}
    hashes = []
    for name in SCRIPTS:
        script = inline_text(sources[name], "script")
        hashes.append(sha256_source(script))
        html = replace_once(html, f'<script src="{name}"></script>', f"<script>{script}</script>")
    logo_uri = "data:image/png;base64," + base64.b64encode(logo.read_bytes()).decode("ascii")
    html = replace_once(html, f'src="{LOGO}"', f'src="{logo_uri}"')
    html = replace_once(html, "@CSP@", policy(hashes, [sha256_source(style)], ["data:"]))
    single.parent.mkdir(parents=True, exist_ok=True)
    single.write_text(html, encoding="utf-8")


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--page", type=pathlib.Path, required=True, help="web/page")
    parser.add_argument("--core", type=pathlib.Path, required=True, help="faultwise-core.js")
    parser.add_argument("--wasm", type=pathlib.Path, required=True, help="faultwise-core.wasm")
    parser.add_argument("--logo", type=pathlib.Path, required=True)
    parser.add_argument("--folder", type=pathlib.Path, required=True, help="the folder to serve")
    parser.add_argument("--single", type=pathlib.Path, required=True, help="the one-file page")
    args = parser.parse_args()
    html = (args.page / "index.html").read_text(encoding="utf-8")
    build_folder(args.page, args.core, args.wasm, args.logo, args.folder, html)
    build_single(args.page, args.core, args.wasm, args.logo, args.single, html)


if __name__ == "__main__":
    main()
