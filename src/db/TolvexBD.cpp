#include "db/TolvexBD.h"

#include "db/ColectorConxs.h"
#include "db/LiteralJet.h"
#include "db/ParamsGenProy.h"

namespace {

const QString CC_NOMCONEXTOLVEX = QStringLiteral("Tolvex");

}  // namespace

TTolvexBD::TTolvexBD(const std::shared_ptr<ado::TConexionADO>& Conector)
    : TConsultasSQL(Conector), F_bConectado(Conector && Conector->Connected()) {}

TTolvexBD::TTolvexBD(const QString& sRutaTolvex) : TTolvexBD(ConectaTolvex(sRutaTolvex)) {}

TTolvexBD::TTolvexBD(const TConexionPropia& Propia)
    : TConsultasSQL(Propia.Conector), F_bConectado(Propia.bConectado) {}

TTolvexBD::TConexionPropia TTolvexBD::ConectaTolvex(const QString& sRutaTolvex) {
  TConexionPropia Propia;
  if (ColectorConexiones->NuevaConexion(CC_NOMCONEXTOLVEX, QString(), CC_PASSWBDPRINC, QString(),
                                        sRutaTolvex, QString(), QString(), tmAccess, true) &&
      ColectorConexiones->Conectado(CC_NOMCONEXTOLVEX) &&
      ColectorConexiones->DameAccessConex(CC_NOMCONEXTOLVEX, Propia.Conector)) {
    Propia.bConectado = true;
  }
  return Propia;
}

TTolvexBD::~TTolvexBD() {
  // The registry frees the connection; the query object only holds it weakly.
  if (ColectorConexiones) ColectorConexiones->EliminaConex(CC_NOMCONEXTOLVEX);
}

bool TTolvexBD::UsuariosConectados() {
  bool bConectados = true;
  if (PideConsulta("SELECT COUNT(1) as TotalConectados FROM tCompUsr ", *F_qConsultaGen)) {
    if (!F_qConsultaGen->IsEmpty() &&
        F_qConsultaGen->FieldByName("TotalConectados").toLongLong() == 0) {
      bConectados = false;
    }
    F_qConsultaGen->Close();
  }
  return bConectados;
}

bool TTolvexBD::ValidaAcceso(const QString& sUsuario, const QString& sPassw, bool bSoloAdmins) {
  QString sConsulta = "SELECT ClaveEmp FROM tEmps WHERE ClaveEmp = '" + LiteralJet(sUsuario) +
                      "' and " + "Password = '" + LiteralJet(sPassw) + "'";
  if (bSoloAdmins) sConsulta += "and Nivel = 0";
  if (!PideConsulta(sConsulta, *F_qConsultaGen)) return false;
  const bool bValido = !F_qConsultaGen->IsEmpty();
  F_qConsultaGen->Close();
  return bValido;
}

bool TTolvexBD::ExisteEmpresa(int nNumEmp) {
  if (!PideConsulta("SELECT NumEmp FROM tEmpresa WHERE NumEmp = " + QString::number(nNumEmp),
                    *F_qConsultaGen))
    return false;
  const bool bExiste = !F_qConsultaGen->IsEmpty();
  F_qConsultaGen->Close();
  return bExiste;
}

TEmpresa TTolvexBD::GetEmpresa() {
  TEmpresa Empresa;
  if (!PideConsulta("SELECT * FROM tEmpresa", *F_qConsultaGen)) return Empresa;
  if (!F_qConsultaGen->IsEmpty()) {
    F_qConsultaGen->First();
    const auto Lee = [this](const QString& sCampo, QString& sValor) {
      const QVariant Valor = F_qConsultaGen->FieldByName(sCampo);
      if (!Valor.isNull()) sValor = Valor.toString();
    };
    Lee("Empresa", Empresa.sRazonSocial);
    Lee("RFC", Empresa.sRFC);
    Lee("RegistroCC", Empresa.sRegistroCNBV);
    Lee("NumEmp", Empresa.sNumEmpresa);
  }
  F_qConsultaGen->Close();
  return Empresa;
}
