#pragma once

#include "ado/ConexionADO.h"
#include "ado/ConsultaADO.h"
#include "ado/ErrorADO.h"

#include <gtest/gtest.h>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>

// Readable failures.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QVariant& v, std::ostream* os) {
  *os << v.typeName() << '(' << v.toString().toStdString() << ')';
}
QT_END_NAMESPACE

// Helpers of the data-engine tests: real files, connections as the descriptors build them.
inline QString RutaReal(const QString& sArchivo) {
  return QStringLiteral(ENCUESTA_SHARED_DIR "/realdata/") + sArchivo;
}

// The Access connection string of the connection descriptors.
inline QString CadenaAccess(const QString& sRuta, const QString& sPassword = {}) {
  QString s = QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + sRuta +
              QStringLiteral(";Persist Security Info=True;Mode=Share Deny None");
  if (!sPassword.trimmed().isEmpty()) s += QStringLiteral(";Jet OLEDB:Database Password=") + sPassword;
  return s;
}

inline std::shared_ptr<ado::TConexionADO> Conecta(const QString& sRuta, const QString& sPassword = {}) {
  auto Conexion = std::make_shared<ado::TConexionADO>();
  Conexion->SetConnectionString(CadenaAccess(sRuta, sPassword));
  Conexion->SetConnected(true);
  return Conexion;
}

// Every row of a query, the named fields in order, walked as the survey walks results.
inline QList<QVariantList> Lee(const std::shared_ptr<ado::TConexionADO>& Conexion, const QString& sSQL,
                               const QStringList& sCampos) {
  ado::TConsultaADO Consulta;
  Consulta.SetConnection(Conexion);
  Consulta.SetSQL(sSQL);
  Consulta.Open();
  QList<QVariantList> Filas;
  for (Consulta.First(); !Consulta.Eof(); Consulta.Next()) {
    QVariantList Fila;
    for (const QString& sCampo : sCampos) Fila << Consulta.FieldByName(sCampo);
    Filas << Fila;
  }
  return Filas;
}

// The error an action raises; a failed expectation when it raises none.
inline ado::EErrorADO ErrorDe(const std::function<void()>& Accion) {
  try {
    Accion();
  } catch (const ado::EErrorADO& Error) {
    return Error;
  }
  ADD_FAILURE() << "no error raised";
  return ado::EErrorADO(QString(), QString());
}
