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

// The folders of the branches and of the joined back office under sCarpeta.
QString CarpetaSucursal(const QString& sCarpeta, int nSucursal);  // "sucursal1", ...
QString CarpetaUnida(const QString& sCarpeta);                      // "unida"

// Writes nSucursales branch back offices of nOperaciones lines each (branch s from seed
// nSemilla + s - 1; branch 1 alone is what GeneraBackOffice writes) and the joined back
// office "unida": every branch's rows under one numbering (Numeracion.h), with the head
// office's (branch 1's) company record, users and Tolvex.INI. Returns what the joined
// back office holds.
TResumen GeneraSucursales(qint64 nOperaciones, std::uint64_t nSemilla, int nSucursales,
                          const QString& sCarpeta);

}  // namespace backoffice
