#pragma once

#include <QString>
#include <QtGlobal>

namespace ado {

enum class TVersionJet { Jet3, Jet4 };

// What page 0 of an Access file says about the rest.
struct TCabeceraJet {
  TVersionJet eVersion = TVersionJet::Jet4;
  int nTamPagina = 4096;
  quint32 nClave = 0;        // non-zero: every page after 0 is RC4-encoded with it
  int nCodigoPagina = 1252;  // Jet 3 text
  QString sPassword;         // Jet 4 database password, "" when none
};

// Decodes a header page (nLeidos bytes read from the start of a file of nTamArchivo
// bytes). Throws EErrorADO naming sRuta when it is not a Jet 3 or Jet 4 file, when
// the file is not a whole number of pages, or when its Jet 4 block is damaged (a
// creation date or a password area that Access never writes).
TCabeceraJet LeeCabeceraJet(const unsigned char* p, qint64 nLeidos, qint64 nTamArchivo, const QString& sRuta);

// Reads page 0 of an Access file: checks that it is a sound Jet 3 or Jet 4 database
// and, for Jet 4, that sPassword matches the stored database password exactly
// (Jet 3 files are opened without a check). Throws EErrorADO naming the file.
TVersionJet VerificaArchivoJet(const QString& sRuta, const QString& sPassword);

}  // namespace ado
