#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace ado {

// A column named by its table; both names compared without regard to case.
struct TColumnaTabla {
  QString sTabla;
  QString sColumna;
  bool operator==(const TColumnaTabla&) const = default;
};

// What the tables of several back offices mean when read as one.
struct TReglasConsolidacion {
  QStringList Tablas;                 // read as the rows of every file; other tables: the main file's
  QList<TColumnaTabla> Identidades;   // keys that identify rows inside one file: kept apart
  QList<TColumnaTabla> Empresas;      // company numbers: each file's own company becomes the main one
  bool operator==(const TReglasConsolidacion&) const = default;
};

// Another back office read together with the connection's own file.
struct TSucursalJet {
  QString sRuta;
  QString sPassword;
  qint64 nEmpresa = 0;  // its own company number
  bool operator==(const TSucursalJet&) const = default;
};

// The connection's file is the head office, with company number nEmpresa; the branches
// follow in this order. Empty branches: the file is read alone, unchanged.
struct TConsolidacionJet {
  qint64 nEmpresa = 0;
  QList<TSucursalJet> Sucursales;
  TReglasConsolidacion Reglas;

  bool operator==(const TConsolidacionJet&) const = default;
};

// A numeric identity key read from nArchivos back offices as one, told back as the file it
// came from (0 the head office) and that file's own key: what the user finds in that back office.
struct TClavePropia {
  int nArchivo = 0;
  qint64 nClave = 0;
};
TClavePropia ClavePropia(qint64 nConsolidada, int nArchivos);

}  // namespace ado
