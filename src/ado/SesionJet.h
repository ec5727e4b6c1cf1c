#pragma once

#include "ado/ConexionADO.h"
#include "ado/Consolidacion.h"

#include <QSet>
#include <QString>
#include <memory>
#include <optional>

namespace ado {

// One open Access file and the in-memory SQLite copy of the tables used so
// far. Before each statement the file's identity, size and modification time
// are compared with those loaded from; a changed file is loaded afresh.
class TSesionJet {
 public:
  // Checks the file and its password; throws EErrorADO.
  TSesionJet(QString sRuta, QString sPassword, const TConexionADO::TProgresoCarga& Progreso);
  ~TSesionJet();
  jet::TSentenciaJet Prepara(const QString& sJet, const jet::TParametrosJet& parametros = {});
  // Derived-table cache and join indexes on or off (kept across reloads).
  void SetCacheActiva(bool bActiva);
  // Branches read together with the file; a change loads everything afresh. Checks each
  // branch's file and password; throws EErrorADO naming it.
  void SetConsolidacion(const TConsolidacionJet& Consolidacion);

 private:
  struct TEstado;
  void Abre();
  bool Vigente() const;  // loaded, and no file changed since
  void AseguraTabla(const QString& sTabla, const std::optional<QSet<QString>>& columnas);

  QString F_sRuta;
  QString F_sPassword;
  TConsolidacionJet F_Consolidacion;
  bool F_bCacheActiva = true;
  const TConexionADO::TProgresoCarga& F_Progreso;
  std::unique_ptr<TEstado> F_Estado;
};

}  // namespace ado
