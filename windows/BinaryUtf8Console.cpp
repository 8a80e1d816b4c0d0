// SPDX-License-Identifier: GPL-3.0-or-later
// Linked into faultwise-cli.exe only: before main runs, the standard streams stop turning "\n"
// into CR LF (reports are byte for byte the Linux ones), and a console shows the UTF-8 they carry
// until the program ends, when the console gets its own code page back.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <io.h>

namespace {

UINT consoleCodePage = 0; // 0: no console, or its code page was left alone

void restoreConsoleCodePage() {
    SetConsoleOutputCP(consoleCodePage);
}

bool useBinaryUtf8Streams() {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    consoleCodePage = GetConsoleOutputCP();
    if (consoleCodePage != 0 && consoleCodePage != CP_UTF8 && SetConsoleOutputCP(CP_UTF8))
        std::atexit(restoreConsoleCodePage);
    return true;
}

const bool streamsReady = useBinaryUtf8Streams();

} // namespace
