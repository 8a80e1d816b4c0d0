// SPDX-License-Identifier: GPL-3.0-or-later
// volvo2011: its rows of the type registry; the record scan and code map are covered by UnistaTest.
#include "RegistryRow.h"

#include <gtest/gtest.h>

namespace {

INSTANTIATE_TEST_SUITE_P(Volvo2011, RegistryRowTest,
                         testing::Values(RegistryRow{13, "volvo2011", 0, 16384}), registryRowName);

} // namespace
