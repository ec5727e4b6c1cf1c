#pragma once

#include "Salida.h"

#include <QString>

#include <cstdint>

namespace backoffice {

inline constexpr const char* CC_PASSWORD_BD = "voduzu";

// Writes sCarpeta/DataBase/Tolvex.mdb (a plausible back office with nOperaciones
// operation lines over 2011-2015, a few percent of them deleted rows) and
// sCarpeta/Tolvex.INI. Same seed, same bytes. Returns what each table holds.
// Throws mdbgen::EErrorMdb or std::runtime_error; nothing is left half-written
// at the database path.
TResumen GeneraBackOffice(qint64 nOperaciones, std::uint64_t nSemilla, const QString& sCarpeta);

}  // namespace backoffice
