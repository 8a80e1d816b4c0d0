// SPDX-License-Identifier: GPL-3.0-or-later
// dtcGenericB: generic body fault codes, reached through the decoders' code maps.
#include "SharedCatalogues.h"
#include "Cp1252Text.h"

namespace {

// Only rows whose descriptions are established are listed; a code without a row prints as
// undefined with its number, which misleads nobody.
constexpr std::array kRows = {
    DtcRecord{0x0001, "B0001 Driver Frontal Stage 1 Deployment Control"},
    DtcRecord{0x0002, "B0002 Driver Frontal Stage 2 Deployment Control"},
    DtcRecord{0x0010, "B0010 Passenger Frontal Stage 1 Deployment Control"},
    DtcRecord{0x0020, "B0020 Left Side Airbag Deployment Control"},
    DtcRecord{0x0021, "B0021 Left Curtain Deployment Control 1"},
    DtcRecord{0x0028, "B0028 Right Side Airbag Deployment Control"},
    DtcRecord{0x0029, "B0029 Right Curtain Deployment Control 1"},
    DtcRecord{0x0070, "B0070 Driver Seatbelt Pretensioner Deployment Control"},
    DtcRecord{0x0072, "B0072 Passenger Seatbelt Pretensioner " CP1252_LDQUO "A" CP1252_RDQUO
                      " Deployment Control"},
    DtcRecord{0x0080, "B0080 Driver Seatbelt Load Limiter Deployment Control"},
    DtcRecord{0x0082, "B0082 Passenger Seatbelt Load Limiter Deployment Control"},
    DtcRecord{0x0091, "B0091 Left Side Restraints Sensor 1"},
    DtcRecord{0x0096, "B0096 Right Side Restraints Sensor 1"},
    DtcRecord{0x1000, "B1000 Right Hood Hinge Deployment Control"},
    DtcRecord{0x1193, "B1193 Crash Event Storage Full and Locked"},
    DtcRecord{0x1205, "B1205 Passenger Airbag Indicator Circuit High"},
    DtcRecord{0x1300, "B1300 Power Door Lock Circuit Failure"},
    DtcRecord{0x1318, "B1318 Battery Voltage Low"},
    DtcRecord{0x1462, "B1462 Seat Belt Switch Circuit Failure"},
    DtcRecord{0x1869, "B1869 Lamp Air Bag Warning Indicator Circuit Open"},
    DtcRecord{0x1876, "B1876 Seatbelt Driver Pretensioner Circuit Failure"},
    DtcRecord{0x1877, "B1877 Seatbelt Driver Pretensioner Circuit Open"},
    DtcRecord{0x1881, "B1881 Seatbelt Passenger Pretensioner Circuit Open"},
    DtcRecord{0x1885, "B1885 Seatbelt Driver Pretensioner Circuit Resistance Low on Squib"},
    DtcRecord{0x1932, "B1932 Air Bag Driver Circuit Open"},
    DtcRecord{0x1933, "B1933 Air Bag Passenger Circuit Open"},
    DtcRecord{0x1A55, "B1A55 Crash Record Output"},
    DtcRecord{0x2000, "B2000 Pedal position forward switch circuit short to ground"},
    DtcRecord{0x2227, "B2227 Front Crash Sensor Driver Communications Fault"},
    DtcRecord{0x2232, "B2232 Air Bag Driver Circuit Open " CP1252_NDASH " Loop #2"},
    DtcRecord{0x2233, "B2233 Air Bag passenger Circuit Open " CP1252_NDASH " Loop #2"},
    DtcRecord{0x2477, "B2477 Module Configuration Failure"},
    DtcRecord{0x2C9E, "B2C9E Body Control Module B Input Circuit Failure"},
    DtcRecord{0x2C9F, "B2C9F ECU Faulted Due to Powering Error"},
};

static_assert(codesAscend(kRows));
static_assert(textsStartWithBodyCode(kRows));

} // namespace

const DtcCatalogue dtcGenericB(kRows);
