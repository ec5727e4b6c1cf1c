#pragma once

#include <QString>

namespace ado {

enum class TVersionJet { Jet3, Jet4 };

// Reads page 0 of an Access file: checks that it is a Jet 3 or Jet 4 database
// and, for Jet 4, that sPassword matches the stored database password exactly
// (Jet 3 files are opened without a check). Throws EErrorADO naming the file.
TVersionJet VerificaArchivoJet(const QString& sRuta, const QString& sPassword);

// The Jet 4 database password stored in a header page ("" when none).
QString PasswordJet4(const unsigned char* pCabecera, int nLargo);

}  // namespace ado
