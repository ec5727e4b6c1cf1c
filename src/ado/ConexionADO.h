#pragma once

#include "ado/Consolidacion.h"
#include "ado/jet/TipoJet.h"

#include <QString>
#include <functional>
#include <memory>

namespace ado {

class TSesionJet;

// Connection object: opens an Access file read-only and runs Jet SQL on an
// in-memory copy of the tables the queries name.
class TConexionADO {
 public:
  TConexionADO();
  ~TConexionADO();
  TConexionADO(const TConexionADO&) = delete;
  TConexionADO& operator=(const TConexionADO&) = delete;

  void SetLoginPrompt(bool bLoginPrompt);
  bool LoginPrompt() const;
  void SetMode(int nMode);  // adModeShareExclusive = 12; kept, no effect
  int Mode() const;
  void SetConnectionString(const QString& sCadena);
  QString ConnectionString() const;
  void SetConnected(bool bConectado);  // opens/closes; throws EErrorADO
  bool Connected() const;

  using TProgresoCarga = std::function<void(const QString& sTabla, qint64 nFilas, qint64 nTotal)>;
  void SetProgresoCarga(TProgresoCarga Progreso);

  // Translates and prepares a Jet statement on the current snapshot of the
  // file (reloaded first when the file changed), with the Jet type of each
  // result column; parametros gives the values of its PARAMETERS. The caller
  // finalizes the statement.
  jet::TSentenciaJet Prepara(const QString& sJet, const jet::TParametrosJet& parametros = {});

  // Derived-table cache and join indexes (on by default); off only to measure them.
  void SetCacheActiva(bool bActiva);

  // Other back offices read together with this one (none by default); kept while
  // connected and reconnected. Throws EErrorADO when a branch's file cannot be opened.
  void SetConsolidacion(const TConsolidacionJet& Consolidacion);

 private:
  bool F_bLoginPrompt = true;
  int F_nModo = 0;
  QString F_sCadena;
  TProgresoCarga F_Progreso;
  bool F_bCacheActiva = true;
  TConsolidacionJet F_Consolidacion;
  std::unique_ptr<TSesionJet> F_Sesion;  // present while connected
};

}  // namespace ado
