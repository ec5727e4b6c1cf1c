#pragma once
// The file being written, page by page, in a temporary file beside its final path.
#include <QSaveFile>
#include <cstdint>

namespace mdbgen::jet {

class TArchivoPaginas {
 public:
  explicit TArchivoPaginas(const QString& sRuta);  // throws EErrorMdb
  quint32 Reserva() { return F_nSiguiente++; }     // pages are written later, in any order
  void Escribe(quint32 nPagina, const uint8_t* pPagina);
  void Confirma();  // renames over the final path; until then nothing is there

 private:
  QSaveFile F_archivo;
  quint32 F_nSiguiente = 0;
};

}  // namespace mdbgen::jet
