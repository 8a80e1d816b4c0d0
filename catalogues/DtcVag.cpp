// SPDX-License-Identifier: GPL-3.0-or-later
// dtcVag: VAG fault numbers, reached through the decoders' code maps.
#include "SharedCatalogues.h"

namespace {

// Only rows whose descriptions are established are listed; a number without a row prints as
// undefined, which misleads nobody.
constexpr std::array kRows = {
    DtcRecord{1, "Brake Control Unit"},
    DtcRecord{2, "Transmission Control Unit"},
    DtcRecord{3, "Control Module"},
    DtcRecord{532, "Supply Voltage B+"},
    DtcRecord{588, "Airbag Igniter; Driver Side (N95)"},
    DtcRecord{589, "Airbag Igniter 1; Passenger Side (N131)"},
    DtcRecord{590, "Airbag Igniter 2; Passenger Side (N132)"},
    DtcRecord{595, "Crash Data Stored"},
    DtcRecord{654, "Seat Belt Tensioner Igniter; Driver Side (N153)"},
    DtcRecord{655, "Seat Belt Tensioner Igniter; Passenger Side (N154)"},
    DtcRecord{1211, "Belt Tensioner Igniter; Rear Driver Side (N196)"},
    DtcRecord{1212, "Belt Tensioner Igniter; Rear Passenger Side (N197)"},
    DtcRecord{1217, "Side Airbag Igniter; Driver Side (N199)"},
    DtcRecord{1218, "Side Airbag Igniter; Passenger Side (N200)"},
    DtcRecord{1587, "Igniter 2 for Airbag; Drivers Side (N250)"},
    DtcRecord{1588, "Igniter for Head-Airbag; Drivers Side (N251)"},
    DtcRecord{1589, "Igniter for Head-Airbag; Passenger Side (N252)"},
    DtcRecord{1590, "Igniter for Battery Disconnect (N253)"},
    DtcRecord{1738, "Crash Sensor for Front Airbag; Drivers Side (G283)"},
    DtcRecord{1739, "Crash Sensor for Front Airbag; Pass. Side (G284)"},
    DtcRecord{1742, "Igniter for Knee Airbag; Drivers Side (N295)"},
    DtcRecord{1743, "Igniter for Knee Airbag; Pass. Side (N296)"},
    DtcRecord{3102, "Driver's Active Head Restraint Igniter (N419)"},
    DtcRecord{3103, "Front Passenger's Active Head Restraint Igniter (N420)"},
    DtcRecord{3107, "Driver's Belt Force Limiter (G551)switched off:"},
    DtcRecord{3108, "Front Passenger's Belt Force Limiter (G552)switched off:"},
    DtcRecord{3121, "Running time monitoring convertible top closing motor:"},
    DtcRecord{3122, "Speed exceeded -2- for convertible top operation"},
};

static_assert(codesAscend(kRows));

} // namespace

const DtcCatalogue dtcVag(kRows);
