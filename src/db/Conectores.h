#pragma once

#include <memory>

#include <QString>

#include "ado/ConexionADO.h"
#include "ado/ErrorADO.h"
#include "db/ErroresBD.h"
#include "db/IIConector.h"

enum TTipoMotorBD { tmSQLServer = 0, tmAccess = 1 };

class TConector : public IConector {
 protected:
  TConector() : F_Errores(std::make_shared<TErroresBD>()) {}
  std::shared_ptr<ILogErrores> F_Errores;
};

// A connector over the connection object class T. The connection object is
// shared so that queries can borrow it weakly; the connector is its owner.
template <class T>
class TTipoConector : public TConector {
 public:
  ~TTipoConector() override { SetConecta(false); }

  std::shared_ptr<T> DameConector() const { return F_Conector; }

  void SetStrConexion(const QString& sStrConexion) override {
    F_Conector->SetConnectionString(sStrConexion);
  }
  QString GetStrConexion() override { return F_Conector->ConnectionString(); }

  // A failure is shown as BD-101 and leaves the connection marked closed.
  void SetConecta(bool bConectado) override {
    try {
      F_Conector->SetConnected(bConectado);
    } catch (const ado::EErrorADO& Error) {
      F_Errores->MuestraError(CC_ERR_BD101, TextoErrorBD(Error));
      if (bConectado) F_Conector->SetConnected(false);
    }
  }
  bool GetConecta() override { return F_Conector->Connected(); }

 protected:
  TTipoConector() : F_Conector(std::make_shared<T>()) {
    F_Conector->SetLoginPrompt(false);  // credentials come only from the string
  }
  std::shared_ptr<T> F_Conector;
};

using TConectorADO = TTipoConector<ado::TConexionADO>;

class TConectSQLServer : public TConectorADO {
 public:
  TConectSQLServer() = default;
};

class TConectAccess : public TConectorADO {
 public:
  TConectAccess();
};
