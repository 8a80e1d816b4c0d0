// SPDX-License-Identifier: GPL-3.0-or-later
// Test support: whether the address sanitizer is built in, for tests that limit address space.
#pragma once

#if defined(__SANITIZE_ADDRESS__)
#define FAULTWISE_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define FAULTWISE_ASAN 1
#endif
#endif

/// True under the address sanitizer, which reserves far more address space than a test's
/// memory limit leaves.
#if defined(FAULTWISE_ASAN)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
