#include "ado/SesionJet.h"

#include "ado/ArchivoMdb.h"
#include "ado/CabeceraJet.h"
#include "ado/CargadorTabla.h"
#include "ado/ErrorADO.h"
#include "ado/Plataforma.h"
#include "ado/jet/EjecutorJet.h"
#include "ado/jet/ReglasSQLite.h"

#include <QFile>
#include <QSet>
#include <algorithm>
#include <map>
#include <vector>
#include <sqlite3.h>

namespace ado {
namespace {

// The process's memory, set once before the first session's database. SQLite's allocation
// counters take a global lock on every allocation and nothing here reads them (only
// possible before SQLite starts); freed memory is kept for reuse (Plataforma.h).
void PreparaMemoriaDelProceso() {
  static const bool bPreparada = [] {
    sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
    PreparaMemoria();
    return true;
  }();
  Q_UNUSED(bPreparada);
}

struct TCierraSqlite {
  void operator()(sqlite3* db) const { sqlite3_close(db); }
};

}  // namespace

struct TSesionJet::TEstado {
  std::vector<THuellaArchivo> Huellas;  // the head office's file first, then each branch's
  std::vector<std::unique_ptr<TArchivoMdb>> Archivos;
  std::unique_ptr<sqlite3, TCierraSqlite> db;
  std::map<QString, TTablaCargada> Cargadas;  // by case-folded name
  std::unique_ptr<jet::TEjecutorJet> Ejecutor;  // after db: finished before it closes
};

TSesionJet::TSesionJet(QString sRuta, QString sPassword, const TConexionADO::TProgresoCarga& Progreso)
    : F_sRuta(std::move(sRuta)), F_sPassword(std::move(sPassword)), F_Progreso(Progreso) {
  Abre();
}

TSesionJet::~TSesionJet() = default;

void TSesionJet::Abre() {
  F_Estado.reset();
  // Fingerprints are taken before reading, so a change during the load is seen next time.
  auto Estado = std::make_unique<TEstado>();
  std::vector<std::pair<QString, QString>> Archivos{{F_sRuta, F_sPassword}};
  for (const TSucursalJet& Sucursal : F_Consolidacion.Sucursales) Archivos.emplace_back(Sucursal.sRuta, Sucursal.sPassword);
  for (const auto& [sRuta, sPassword] : Archivos) {
    Estado->Huellas.push_back(HuellaArchivo(sRuta));
    VerificaArchivoJet(sRuta, sPassword);
    Estado->Archivos.push_back(std::make_unique<TArchivoMdb>(sRuta));
  }
  PreparaMemoriaDelProceso();
  sqlite3* db = nullptr;
  const int nResultado = sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
  Estado->db.reset(db);
  if (nResultado != SQLITE_OK)
    throw EErrorADO(CC_ERROR_CONSULTA, QStringLiteral("No se puede crear la base de datos en memoria."));
  // Large pages: the loaded tables grow by a sixteenth of the allocations and b-tree splits.
  // Only the storage changes; SQLite's sorts keep their memory limits, so no answer does.
  sqlite3_exec(db, "PRAGMA page_size = 65536", nullptr, nullptr, nullptr);
  jet::RegistraReglas(db);
  Estado->Ejecutor = std::make_unique<jet::TEjecutorJet>(
      db, [this](const QString& sTabla, const TColumnasCargadas& columnas) { AseguraTabla(sTabla, columnas); });
  Estado->Ejecutor->SetCacheActiva(F_bCacheActiva);
  F_Estado = std::move(Estado);
}

// A table is copied with the columns the statement may read; when a later one reads another
// of its columns it is copied again whole, once (the rows are the file's, so what was kept
// from it stays right).
void TSesionJet::AseguraTabla(const QString& sTabla, const TColumnasCargadas& columnas) {
  const QString sClave = sTabla.toCaseFolded();
  TColumnasCargadas pedidas = columnas;
  if (const auto it = F_Estado->Cargadas.find(sClave); it != F_Estado->Cargadas.end()) {
    const TTablaCargada& cargada = it->second;
    const auto Falta = [&](const QString& sColumna) {
      return cargada.todas.contains(sColumna) && !cargada.cargadas.contains(sColumna);
    };
    if (cargada.cargadas == cargada.todas || (columnas && std::none_of(columnas->begin(), columnas->end(), Falta)))
      return;
    const QByteArray sBorra = ("DROP TABLE " + NombreSqlite(cargada.sNombre)).toUtf8();
    if (sqlite3_exec(F_Estado->db.get(), sBorra.constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
      throw EErrorADO(CC_ERROR_CONSULTA, QStringLiteral("No se puede volver a leer la tabla \"%1\" con más columnas "
                                                        "mientras otra consulta la lee.")
                                             .arg(cargada.sNombre));
    F_Estado->Cargadas.erase(it);
    pedidas.reset();
  }
  TTablaCargada cargada;
  if (F_Consolidacion.Sucursales.isEmpty() || !F_Consolidacion.Reglas.Tablas.contains(sTabla, Qt::CaseInsensitive)) {
    cargada = CargaTabla(*F_Estado->Archivos.front(), F_Estado->db.get(), sTabla, pedidas, F_Progreso);
  } else {
    std::vector<TArchivoMdb*> Archivos;
    for (const auto& Archivo : F_Estado->Archivos) Archivos.push_back(Archivo.get());
    cargada = CargaTablaConsolidada(Archivos, F_Consolidacion, F_Estado->db.get(), sTabla, pedidas, F_Progreso);
  }
  F_Estado->Cargadas.emplace(sClave, std::move(cargada));
}

void TSesionJet::SetCacheActiva(bool bActiva) {
  F_bCacheActiva = bActiva;
  if (F_Estado) F_Estado->Ejecutor->SetCacheActiva(bActiva);
}

void TSesionJet::SetConsolidacion(const TConsolidacionJet& Consolidacion) {
  if (Consolidacion == F_Consolidacion) return;
  F_Consolidacion = Consolidacion;
  Abre();
}

bool TSesionJet::Vigente() const {
  if (!F_Estado) return false;
  if (!(HuellaArchivo(F_sRuta) == F_Estado->Huellas.front())) return false;
  for (qsizetype i = 0; i < F_Consolidacion.Sucursales.size(); ++i)
    if (!(HuellaArchivo(F_Consolidacion.Sucursales[i].sRuta) == F_Estado->Huellas[size_t(i) + 1])) return false;
  return true;
}

jet::TSentenciaJet TSesionJet::Prepara(const QString& sJet, const jet::TParametrosJet& parametros) {
  if (!Vigente()) Abre();
  return F_Estado->Ejecutor->Prepara(sJet, parametros);
}

}  // namespace ado
