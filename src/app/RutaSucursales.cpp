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
  const QString sQuien = QStringLiteral("Sucursal %1: ").arg(sCarpeta);
  const auto Rechazo = [&sQuien](const QString& sMotivo) { Dialogos().Mensaje(sQuien + sMotivo); };
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
  const TResultadoRuta Revision =
      RevisaBackOffice(sCarpeta, sQuien, sUsuario, sPassw, AccesoRechazado, nNumEmp,
                       [&BackOffice](int) -> TTolvexBD& { return BackOffice; });
  if (Revision != TResultadoRuta::Exito)
    return Revision;
  Sucursal = {sRutaBD, CC_PASSWBDPRINC, nNumEmp};
  sDescripcion = QStringLiteral("sucursal %1 (empresa %2)").arg(sCarpeta).arg(nNumEmp);
  return TResultadoRuta::Exito;
}
