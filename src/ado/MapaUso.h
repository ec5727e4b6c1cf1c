#pragma once

#include "ado/ArchivoMdb.h"

#include <QString>
#include <vector>

namespace ado {

// Walks a table's used-pages map: inline (type 0: start page, then a bitmap) or
// indirect (type 1: map pages of type 0x05, each covering a fixed run of pages).
// Every page it names lies inside the file; anything else is the damaged-file error.
class TMapaUso {
 public:
  // nPgFila: the definition's (page << 8 | row) pointer to the map row.
  TMapaUso(const TArchivoMdb& Archivo, const QString& sTabla, quint32 nPgFila);
  // The next page the map marks, in ascending order; 0 after the last.
  quint32 Siguiente();

 private:
  bool CargaEntrada();  // type 1: the next map page with its bitmap; false after the last
  [[noreturn]] void Danada(const QString& sDetalle) const;

  const TArchivoMdb& F_Archivo;
  QString F_sTabla;
  std::vector<unsigned char> F_Mapa;  // the map row
  std::vector<unsigned char> F_Bits;  // type 0: a copy of the bitmap; type 1: the current map page
  size_t F_nInicioBits = 0;           // where the bitmap starts in F_Bits
  quint64 F_nBase = 0;                // page of bit 0
  size_t F_nBit = 0;                  // next bit to look at
  size_t F_nEntrada = 0;              // type 1: next entry of the map row
};

}  // namespace ado
