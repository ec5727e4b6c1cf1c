#pragma once

#include <QString>

#include "db/Conectores.h"

// The main back-office connection.
inline const QString CC_NOMBDPRINC = QStringLiteral("BDPrincipal");
inline constexpr TTipoMotorBD CC_MOTORBDPRINC = tmAccess;
inline const QString CC_PASSWBDPRINC = QStringLiteral("voduzu");

// Red of status messages and warnings, as 0xRRGGBB.
inline constexpr unsigned int CC_COLORROJO = 0xFF0000;
