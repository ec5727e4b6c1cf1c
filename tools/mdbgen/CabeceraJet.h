#pragma once
// Page 0 of a Jet 4 file: version, code page, creation date and the masked password.
#include <QString>
#include <cstdint>

namespace mdbgen::jet {

// Fixed creation date (2022-01-07 12:00) so the same input gives the same bytes;
// its whole part masks the password, hence a real positive day, never 0.
constexpr double CC_dFechaCreacion = 44568.5;
constexpr int CC_nMaxPassword = 18;

// Fills the 4096 bytes of page 0. The password (empty = none) must already be valid.
void ArmaCabecera(uint8_t* pPagina, const QString& sPassword);

}  // namespace mdbgen::jet
