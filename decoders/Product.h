// SPDX-License-Identifier: GPL-3.0-or-later
// Product constants shown in the window caption, the About window and some report texts.
#pragma once

/// The contact address as a string literal, for report texts assembled at compile time.
#define FAULTWISE_CONTACT_EMAIL "support@faultwise.example"

namespace product {
constexpr char kName[] = "Faultwise";
constexpr char kVersion[] = FAULTWISE_VERSION;
constexpr char kWebAddress[] = "https://faultwise.example";
constexpr char kContactEmail[] = FAULTWISE_CONTACT_EMAIL;
} // namespace product
