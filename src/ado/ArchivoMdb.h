#pragma once

#include "ado/CabeceraJet.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <array>
#include <string>
#include <vector>

namespace ado {

// A table as the catalogue (MSysObjects) lists it.
struct TEntradaTabla {
  QString sNombre;
  quint32 nPagina = 0;  // its definition page
};

// An Access file opened read-only, read page by page, with its table catalogue.
// Every page number taken from the file goes through LeePagina, which refuses
// pages outside the file.
class TArchivoMdb {
 public:
  explicit TArchivoMdb(const QString& sRuta);  // throws EErrorADO
  // A file held in memory (tests, fuzzing); sRuta only names it in messages.
  TArchivoMdb(QByteArray Bytes, const QString& sRuta);
  TArchivoMdb(const TArchivoMdb&) = delete;
  TArchivoMdb& operator=(const TArchivoMdb&) = delete;

  const QString& Ruta() const { return F_sRuta; }
  bool EsJet3() const { return F_Cabecera.eVersion == TVersionJet::Jet3; }
  int TamPagina() const { return F_Cabecera.nTamPagina; }
  quint32 Paginas() const { return F_nPaginas; }
  qint64 Tamano() const { return qint64(F_nPaginas) * F_Cabecera.nTamPagina; }
  // Copies page n, decoded, into pDestino (TamPagina() bytes). False when n is 0 or
  // beyond the file, or the page cannot be read whole.
  bool LeePagina(quint32 n, unsigned char* pDestino) const;
  // The catalogue entry of a table, found ignoring case; nullptr when absent.
  const TEntradaTabla* Entrada(const QString& sTabla) const;
  const std::vector<TEntradaTabla>& Tablas() const { return F_Tablas; }
  // UTF-8 of each byte of Jet 3 text, after the file's code page.
  const std::array<std::string, 256>& CodigoJet3() const { return F_CodigoJet3; }

 private:
  void Abre(const QByteArray& Cabecera, qint64 nTamano);
  void LeeCatalogo();

  QString F_sRuta;
  mutable QFile F_Archivo;
  QByteArray F_Bytes;  // the whole file when held in memory
  TCabeceraJet F_Cabecera;
  quint32 F_nPaginas = 0;
  std::vector<TEntradaTabla> F_Tablas;
  std::array<std::string, 256> F_CodigoJet3;
};

}  // namespace ado
