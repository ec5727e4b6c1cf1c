// libFuzzer target: an Access file held in memory, every table of its catalogue
// loaded into SQLite as the engine loads it. A damaged file may only end in the
// damaged-file error class; anything else (a crash, SQLite's own error text) is a finding.
#include "ado/ArchivoMdb.h"
#include "ado/CargadorTabla.h"
#include "ado/ErrorADO.h"
#include "ado/jet/ReglasSQLite.h"

#include <QSet>
#include <cstdio>
#include <cstdlib>
#include <sqlite3.h>

namespace {

constexpr size_t CC_PAGINA = 4096;

[[noreturn]] void Hallazgo(const ado::EErrorADO& Error) {
  std::fprintf(stderr, "error de otra clase: %s\n", Error.what());
  std::abort();
}

void CargaTodo(ado::TArchivoMdb& Archivo) {
  sqlite3* db = nullptr;
  sqlite3_open(":memory:", &db);
  ado::jet::RegistraReglas(db);
  QSet<QString> Cargadas;  // the engine loads a name once
  for (const ado::TEntradaTabla& Entrada : Archivo.Tablas()) {
    // Names SQLite reserves are refused by name, with the engine's own message.
    if (Cargadas.contains(Entrada.sNombre.toCaseFolded()) || Entrada.sNombre.startsWith(u"sqlite_", Qt::CaseInsensitive))
      continue;
    Cargadas.insert(Entrada.sNombre.toCaseFolded());
    try {
      ado::CargaTabla(Archivo, db, Entrada.sNombre, std::nullopt, {});
    } catch (const ado::EErrorADO& Error) {
      if (Error.Clase() != ado::CC_ERROR_ARCHIVO) {
        sqlite3_close(db);
        Hallazgo(Error);
      }
    }
  }
  sqlite3_close(db);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pDatos, size_t nLargo) {
  // Whole pages only: the engine refuses other sizes before reading anything.
  const size_t nPaginas = nLargo / CC_PAGINA * CC_PAGINA;
  try {
    ado::TArchivoMdb Archivo(QByteArray(reinterpret_cast<const char*>(pDatos), qsizetype(nPaginas)),
                             QStringLiteral("fuzz.mdb"));
    CargaTodo(Archivo);
  } catch (const ado::EErrorADO& Error) {
    if (Error.Clase() != ado::CC_ERROR_ARCHIVO) Hallazgo(Error);
  }
  return 0;
}
