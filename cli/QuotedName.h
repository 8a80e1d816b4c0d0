// SPDX-License-Identifier: GPL-3.0-or-later
// File names made safe to print: no control character or invalid byte reaches the terminal.
#pragma once

#include <string>
#include <string_view>

/// `name` as it is when every character in it is printable UTF-8 (blanks and quotes included);
/// otherwise the whole name in the shell's quoting, as `ls --quoting-style=shell-escape` shows it:
/// printable runs in single quotes, and control characters (C0, DEL, C1) and bytes that are not
/// UTF-8 as $'...' escapes, such as 'a'$'\n''b.bin' or 'dump'$'\377'. Pasted into a shell, the
/// quoted form names the same file.
std::string quotedName(std::string_view name);
