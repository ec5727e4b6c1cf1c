#pragma once

#include "ado/ConexionADO.h"
#include "ado/ErrorADO.h"
#include "jetsql/CsvJet.h"

#include <memory>

// jetsql's CSV of a query on an open connection, or "Clase - Mensaje" of its error.
inline QString CsvOError(ado::TConexionADO& Conexion, const char* sJet, const ado::jet::TParametrosJet& Parametros = {}) {
  try {
    return jetsql::ConsultaCsv(Conexion, QString::fromUtf8(sJet), Parametros);
  } catch (const ado::EErrorADO& Error) {
    return Error.Clase() + QStringLiteral(" - ") + Error.Mensaje();
  }
}

// A connection to sRuta without password, for a suite of cases.
inline std::unique_ptr<ado::TConexionADO> ConectaCsv(const QString& sRuta) {
  auto Conexion = std::make_unique<ado::TConexionADO>();
  Conexion->SetConnectionString(jetsql::CadenaJet(sRuta, {}));
  Conexion->SetConnected(true);
  return Conexion;
}
