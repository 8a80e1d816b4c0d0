// SPDX-License-Identifier: GPL-3.0-or-later
// Named Windows-1252 characters, so that catalogue texts stay readable in the source.
#pragma once

#define CP1252_RSQUO "\x92"
#define CP1252_LDQUO "\x93"
#define CP1252_RDQUO "\x94"
#define CP1252_NDASH "\x96"
#define CP1252_DEGREE "\xB0"
