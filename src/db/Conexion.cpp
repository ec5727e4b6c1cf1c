#include "db/Conexion.h"

namespace {

// Leading and trailing blanks and control characters, as the settings are checked.
QString Recorta(const QString& sTexto) {
  qsizetype nIni = 0;
  qsizetype nFin = sTexto.size();
  while (nIni < nFin && sTexto[nIni].unicode() <= 0x20) ++nIni;
  while (nFin > nIni && sTexto[nFin - 1].unicode() <= 0x20) --nFin;
  return sTexto.mid(nIni, nFin - nIni);
}

}  // namespace

TConexion::TConexion(TTipoMotorBD TipoMotorBD) : F_TipoMotorBD(TipoMotorBD) {
  if (TipoMotorBD == tmSQLServer) {
    F_Conector = std::make_shared<TConectSQLServer>();
  } else {
    F_Conector = std::make_shared<TConectAccess>();
  }
}

void TConexion::SetConecta(bool bConectado) {
  if (bConectado) {
    F_bConectado = ConectaBD();
  } else {
    DesconectaBD();
    F_bConectado = false;
  }
}

bool TConexion::DatosValidos() {
  for (const QString* pCampo :
       {&F_sUsuario, &F_sPassw, &F_sBDNombre, &F_sUbicacion, &F_sInstancia, &F_sPuerto}) {
    if (!Recorta(*pCampo).isEmpty()) return true;
  }
  return false;
}

void TConexion::CreaStrSQLServer() {
  F_sSrtConexion = "Provider=SQLOLEDB.1;Password=" + F_sPassw + ";Persist Security Info=True;" +
                   "User ID=" + F_sUsuario + ";Initial Catalog=" + F_sBDNombre +
                   ";Data Source=" + F_sUbicacion + "\\" + F_sInstancia;
  if (F_sPuerto.size() > 0) F_sSrtConexion += "," + F_sPuerto;
}

void TConexion::CreaStrAcess() {
  F_sSrtConexion = "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + F_sUbicacion +
                   ";Persist Security Info=True" + ";Mode=Share Deny None";
  if (!Recorta(F_sPassw).isEmpty()) F_sSrtConexion += ";Jet OLEDB:Database Password=" + F_sPassw;
}

bool TConexion::CreaStrConexion() {
  if (!DatosValidos()) return false;
  if (F_TipoMotorBD == tmSQLServer) {
    CreaStrSQLServer();
  } else {
    CreaStrAcess();
  }
  return true;
}

bool TConexion::ConectaBD() {
  if (F_sSrtConexion.isEmpty()) return CreaStrConexion() && ConectaBD();
  F_Conector->SetStrConexion(F_sSrtConexion);
  F_Conector->SetConecta(true);
  return F_Conector->GetConecta();
}

void TConexion::DesconectaBD() { F_Conector->SetConecta(false); }
