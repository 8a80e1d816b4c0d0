// SPDX-License-Identifier: GPL-3.0-or-later
// jeep95256: its rows of the type registry; the record scan and code map are covered by UnistaTest.
#include "RegistryRow.h"

#include <gtest/gtest.h>

namespace {

INSTANTIATE_TEST_SUITE_P(Jeep95256, RegistryRowTest,
                         testing::Values(RegistryRow{29, "jeep95256", 0, 32768}), registryRowName);

} // namespace
