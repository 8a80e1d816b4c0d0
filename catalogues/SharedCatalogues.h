// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogues that several decoders share.
#pragma once

#include "DtcCatalogue.h"

/// Kia and Hyundai body codes, looked up by the four hex digits of the code, ended by a 0 row.
extern const DtcCatalogue dtcHyundaiKia;

/// Generic body codes "B" + four hex digits, in ascending code order.
extern const DtcCatalogue dtcGenericB;

/// VAG fault numbers (decimal), in ascending order; the texts carry no number.
extern const DtcCatalogue dtcVag;
