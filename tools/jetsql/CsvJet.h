#pragma once

#include "ado/jet/TipoJet.h"

#include <QString>

namespace ado {
class TConexionADO;
}

namespace jetsql {

// Runs one Jet statement on an open connection and returns its result as CSV
// (RFC 4180, LF line ends): a header of column names, integers as integers,
// Currency as a decimal without trailing zeros, other numbers in their
// shortest exact form, dates "YYYY-MM-DD HH:MM:SS", Null and "" as empty.
// Throws ado::EErrorADO.
QString ConsultaCsv(ado::TConexionADO& Conexion, const QString& sSQL, const ado::jet::TParametrosJet& Parametros = {});

// The connection string that opens sRuta with an optional database password.
QString CadenaJet(const QString& sRuta, const QString& sPassword);

}  // namespace jetsql
