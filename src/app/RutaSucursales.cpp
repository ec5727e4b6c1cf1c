// The branches of a consolidated run, each checked as the head office is.
#include "app/RutaReporte.h"

#include "app/ArchivosTolvex.h"
#include "db/Dialogos.h"
#include "db/ParamsGenProy.h"
#include "db/TolvexBD.h"
#include "survey/IIMensajero.h"

TResultadoRuta TRutaReporte::RevisaSucursal(const QString& sCarpeta, const QString& sUsuario,
                                            const QString& sPassw,
                                            const std::function<void()>& AccesoRechazado,
                                            ado::TSucursalJet& Sucursal, QString& sDescripcion)
{
  const auto Rechazo = [&sCarpeta](const QString& sMotivo) {
    Dialogos().Mensaje(QStringLiteral("Sucursal %1: %2").arg(sCarpeta, sMotivo));
  };
  const QString sRutaBD = BuscaArchivo(sCarpeta, CC_ARCHIVOBD);
  if (sRutaBD.isEmpty()) {
    Rechazo(QStringLiteral("no se encontró la base de datos del Tolvex (DataBase\\Tolvex.mdb)."));
    return TResultadoRuta::SinBD;
  }
  F_Mensajero->MsjTxEspera(QStringLiteral("Conectando con la BD de la sucursal %1...").arg(sCarpeta),
                           false);
  // Its own connection, dropped when the checks end; the report reads the file again.
  TTolvexBD BackOffice(sRutaBD);
  if (!BackOffice.GetConectado()) {
    Rechazo(QStringLiteral("no fue posible conectar con la BD."));
    return TResultadoRuta::SinConexion;
  }
  int nNumEmp = 0;
  if (!DameEmpresaCarpeta(sCarpeta, nNumEmp)) {
    Rechazo(CC_SIN_EMPRESA);
    return TResultadoRuta::SinEmpresa;
  }
  if (BackOffice.UsuariosConectados()) {
    Rechazo(CC_USUARIOS_CONECTADOS);
    return TResultadoRuta::UsuariosConectados;
  }
  if (!BackOffice.ValidaAcceso(sUsuario, sPassw, true)) {
    F_Mensajero->MsjTxEspera(QStringLiteral("Sucursal %1: %2").arg(sCarpeta, CC_ACCESO_RECHAZADO), true);
    if (AccesoRechazado)
      AccesoRechazado();
    return TResultadoRuta::AccesoRechazado;
  }
  Sucursal = {sRutaBD, CC_PASSWBDPRINC, nNumEmp};
  sDescripcion = QStringLiteral("sucursal %1 (empresa %2)").arg(sCarpeta).arg(nNumEmp);
  return TResultadoRuta::Exito;
}
