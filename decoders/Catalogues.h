// SPDX-License-Identifier: GPL-3.0-or-later
// The shared catalogues together with the lookup that the units run over them.
#pragma once

#include "Dtc.h"
#include "SharedCatalogues.h"
