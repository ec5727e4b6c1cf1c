#pragma once

#include <QString>
#include <array>
#include <memory>
#include <string>
#include <vector>

// mdbtools.h includes GLib inside extern "C"; GLib's C++ parts must be read first.
// A libmdb built without GLib (the Windows one) has no glib.h.
#if __has_include(<glib.h>)
#include <glib.h>
#endif
#include <mdbtools.h>

namespace ado {

// An Access file opened read-only through libmdb, with its table catalogue.
// The catalogue is read with our own row decoder (libmdb's reader also parses
// the property blobs, and a damaged blob sends it into an endless loop).
class TArchivoMdb {
 public:
  explicit TArchivoMdb(const QString& sRuta);  // throws EErrorADO
  ~TArchivoMdb();
  TArchivoMdb(const TArchivoMdb&) = delete;
  TArchivoMdb& operator=(const TArchivoMdb&) = delete;

  MdbHandle* Handle() const { return F_pMdb; }
  const QString& Ruta() const { return F_sRuta; }
  bool EsJet3() const;
  // The catalogue entry of a table, found ignoring case; nullptr when absent.
  MdbCatalogEntry* Entrada(const QString& sTabla) const;
  // UTF-8 of each byte of Jet 3 text, after the file's code page.
  const std::array<std::string, 256>& CodigoJet3() const { return F_CodigoJet3; }

 private:
  void LeeCatalogo();

  QString F_sRuta;
  MdbHandle* F_pMdb = nullptr;
  std::vector<std::unique_ptr<MdbCatalogEntry>> F_Tablas;
  std::array<std::string, 256> F_CodigoJet3;
};

}  // namespace ado
