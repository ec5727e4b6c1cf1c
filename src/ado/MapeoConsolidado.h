#pragma once

#include "ado/Consolidacion.h"
#include "ado/LectorTabla.h"

#include <QStringList>
#include <vector>

namespace ado {

// How one file's rows change when n back offices are read as one. For the file at
// position s (0 the head office):
// - an identity key k, a number, becomes (k - 1) * n + s + 1: the files' keys interleave,
//   never meet, and keep their order within each file;
// - an identity key held as text gets the prefix "s+1:" (digits and a colon: no two
//   prefixes can make the same text);
// - a company number equal to the file's own company becomes the head office's; any other
//   becomes 0, which no run selects (a company number is above zero).
// Null stays Null; other columns are copied as they are.
class TMapeoConsolidado {
 public:
  // Columnas: the loaded table's column names, in its order.
  TMapeoConsolidado(const TReglasConsolidacion& Reglas, const QString& sTabla, const QStringList& Columnas,
                    int nArchivo, int nArchivos, qint64 nEmpresaPropia, qint64 nEmpresaComun);

  // The value of column nColumna: Origen itself, or Auxiliar filled with the mapped value.
  const TCelda& Mapea(size_t nColumna, const TCelda& Origen, TCelda& Auxiliar) const;

 private:
  enum class TClase : unsigned char { Copia, Identidad, Empresa };
  void MapeaIdentidad(const TCelda& Origen, TCelda& Destino) const;
  void MapeaEmpresa(const TCelda& Origen, TCelda& Destino) const;

  std::vector<TClase> F_clases;
  qint64 F_nArchivo;
  qint64 F_nArchivos;
  qint64 F_nEmpresaPropia;
  qint64 F_nEmpresaComun;
};

}  // namespace ado
