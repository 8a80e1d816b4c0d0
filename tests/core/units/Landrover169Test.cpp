// SPDX-License-Identifier: GPL-3.0-or-later
// landrover169: its rows of the type registry; the record scan and code map are covered by
// UnistaTest.
#include "RegistryRow.h"

#include <gtest/gtest.h>

namespace {

INSTANTIATE_TEST_SUITE_P(Landrover169, RegistryRowTest,
                         testing::Values(RegistryRow{28, "landrover169", 0, 4096}),
                         registryRowName);

} // namespace
