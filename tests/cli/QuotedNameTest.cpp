// SPDX-License-Identifier: GPL-3.0-or-later
// File names in the CLI's output: printable names as they are, others in the shell's quoting.
#include "QuotedName.h"

#include <gtest/gtest.h>

namespace {

TEST(QuotedNameTest, PrintableNamesStayAsTheyAre) {
    for (const char* name : {"", "unit.bin", "/tmp/my dumps/srs unit 7.bin", "it's \"here\"",
                             "back\\slash", "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x9A\x97.bin"})
        EXPECT_EQ(quotedName(name), name);
}

TEST(QuotedNameTest, ControlCharactersAndInvalidBytesAreEscaped) {
    struct Case {
        const char* what;
        std::string name;
        const char* quoted;
    };
    for (const Case& c : {
             Case{"newline", "a\nb.bin", "'a'$'\\n''b.bin'"},
             Case{"tab and carriage return", "x\t\ry", "'x'$'\\t\\r''y'"},
             Case{"escape sequence", "red\x1B[31m", "'red'$'\\033''[31m'"},
             Case{"leading control", std::string("\x01start"), "$'\\001''start'"},
             Case{"only a newline", "\n", "$'\\n'"},
             Case{"delete", "end\x7F", "'end'$'\\177'"},
             Case{"NUL-free C1 control in UTF-8", "c1\xC2\x9Bx", "'c1'$'\\302\\233''x'"},
             Case{"byte that is no UTF-8", "bad\xFF", "'bad'$'\\377'"},
             Case{"overlong encoding", "over\xC0\xAF", "'over'$'\\300\\257'"},
             Case{"surrogate", "s\xED\xA0\x80", "'s'$'\\355\\240\\200'"},
             Case{"cut-off sequence", "cut\xE2\x82", "'cut'$'\\342\\202'"},
             Case{"quote beside a newline", "it's\n", "'it'\\''s'$'\\n'"},
             Case{"blanks and non-ASCII kept in quotes", "my caf\xC3\xA9\n",
                  "'my caf\xC3\xA9'$'\\n'"},
         })
        EXPECT_EQ(quotedName(c.name), c.quoted) << c.what;
}

} // namespace
