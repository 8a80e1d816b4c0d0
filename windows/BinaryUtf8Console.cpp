// Linked into faultwise-cli.exe only: before main runs, the standard streams stop turning "\n"
// into CR LF (reports are byte for byte the Linux ones), and a console shows the UTF-8 they carry.
#include <windows.h>

#include <cstdio>
#include <fcntl.h>
#include <io.h>

namespace {

bool useBinaryUtf8Streams() {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    SetConsoleOutputCP(CP_UTF8);
    return true;
}

const bool streamsReady = useBinaryUtf8Streams();

} // namespace
