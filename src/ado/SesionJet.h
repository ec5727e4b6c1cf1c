#pragma once

#include "ado/ConexionADO.h"

#include <QString>
#include <memory>

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

 private:
  struct TEstado;
  void Abre();
  void AseguraTabla(const QString& sTabla);

  QString F_sRuta;
  QString F_sPassword;
  bool F_bCacheActiva = true;
  const TConexionADO::TProgresoCarga& F_Progreso;
  std::unique_ptr<TEstado> F_Estado;
};

}  // namespace ado
