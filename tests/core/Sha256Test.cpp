// SPDX-License-Identifier: GPL-3.0-or-later
// SHA-256 against the published test vectors, across the one- and two-block padding boundary.
#include "Sha256.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string hexOf(const std::string& message) {
    return sha256Hex(reinterpret_cast<const uint8_t*>(message.data()), message.size());
}

TEST(Sha256Test, KnownDigests) {
    EXPECT_EQ(hexOf(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(hexOf("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    // 56 bytes: the length no longer fits the first block.
    EXPECT_EQ(hexOf("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
    EXPECT_EQ(
        hexOf("abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmnoijklmnopjklmnopq"
              "klmnopqrlmnopqrsmnopqrstnopqrstu"),
        "cf5b16a778af8380036ce59e7b0492370b249b11e8f07a51afac45037afee9d1");
    EXPECT_EQ(hexOf(std::string(1000000, 'a')),
              "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}

TEST(Sha256Test, ErasedDumpOfOneKibibyte) {
    // Independently computed: printf '\xff%.0s' {1..1024} | sha256sum
    EXPECT_EQ(hexOf(std::string(1024, '\xff')),
              "5f4ecdb7b71c3e403983fe405cddcdc2f2576b655fdb3e80d94a6f7c32e58bc2");
}

} // namespace
