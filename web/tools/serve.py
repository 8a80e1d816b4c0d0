#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Serves the page's folder on 127.0.0.1 only and prints its address on the first line."""
import argparse
import functools
import http.server
import pathlib
import sys


class PageHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".js": "text/javascript", ".wasm": "application/wasm",
                      ".html": "text/html; charset=utf-8", ".css": "text/css"}

    def end_headers(self):
        # The page is the same on every load; a stale copy after a rebuild would mislead.
        self.send_header("Cache-Control", "no-store")
        self.send_header("X-Content-Type-Options", "nosniff")
        super().end_headers()

    def log_message(self, format, *args):
        if self.server.verbose:
            super().log_message(format, *args)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("folder", type=pathlib.Path)
    parser.add_argument("--port", type=int, default=0, help="0 picks a free port")
    parser.add_argument("--quiet", action="store_true", help="do not log requests")
    args = parser.parse_args()
    if not (args.folder / "index.html").is_file():
        sys.exit(f"serve: no index.html in {args.folder}; build the page first")
    handler = functools.partial(PageHandler, directory=str(args.folder))
    with http.server.ThreadingHTTPServer(("127.0.0.1", args.port), handler) as server:
        server.verbose = not args.quiet
        print(f"http://127.0.0.1:{server.server_address[1]}/", flush=True)
        try:
            server.serve_forever()
        except KeyboardInterrupt:
            pass


if __name__ == "__main__":
    main()
