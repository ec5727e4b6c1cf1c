#pragma once

#include <memory>

#include <QString>

#include "db/ConsultasSQL.h"
#include "db/IITolvexBD.h"

class TTolvexBD : public TConsultasSQL, public ITolvexBD {
 public:
  explicit TTolvexBD(const std::shared_ptr<ado::TConexionADO>& Conector);
  // Registers and connects its own connection "Tolvex" to the file; the destructor removes it.
  explicit TTolvexBD(const QString& sRutaTolvex);
  ~TTolvexBD() override;

  bool GetConectado() override { return F_bConectado; }
  TEmpresa GetEmpresa() override;
  bool ValidaAcceso(const QString& sUsuario, const QString& sPassw, bool bSoloAdmins) override;
  bool UsuariosConectados() override;
  // True when tEmpresa has a company numbered nNumEmp; false also when it cannot be read.
  bool ExisteEmpresa(int nNumEmp);

 private:
  struct TConexionPropia {
    std::shared_ptr<ado::TConexionADO> Conector;
    bool bConectado = false;
  };
  explicit TTolvexBD(const TConexionPropia& Propia);
  static TConexionPropia ConectaTolvex(const QString& sRutaTolvex);

  bool F_bConectado;
};
