#include "app/RutaReporte.h"

#include "ado/ConexionADO.h"
#include "app/ArchivosTolvex.h"
#include "app/AvisoCarga.h"
#include "app/Utilerias.h"
#include "data/DataModule.h"
#include "db/ColectorConxs.h"
#include "db/Dialogos.h"
#include "db/ParamsGenProy.h"
#include "db/TolvexBD.h"
#include "survey/FormatoNumeros.h"
#include "survey/IIMensajero.h"
#include "survey/ReglasSucursales.h"

#include <QDir>
#include <QFileInfo>
#include <QSysInfo>

namespace {

// Company number of the Tolvex.INI in sCarpeta; false unless one above 0 was read.
bool DameEmpresaCarpeta(const QString& sCarpeta, int& nEmpAct)
{
  const QString sRutaIni = BuscaArchivo(sCarpeta, CC_ARCHIVOINI);
  if (sRutaIni.isEmpty())
    return false;
  nEmpAct = LeeEnteroIni(sRutaIni, QStringLiteral("Control"), QStringLiteral("EmpresaActiva"), 0);
  return nEmpAct > 0;
}

}  // namespace

TRevisionCampos RevisaCampos(const QString& sUsuario, const QString& sTipoCambio,
                             int nLocalidades)
{
  if (sUsuario.trimmed().isEmpty())
    return {TCampoFaltante::Usuario,
            QStringLiteral("Por favor, escriba su usuario (Administrador).")};
  if (sTipoCambio.trimmed().isEmpty())
    return {TCampoFaltante::TipoCambio, QStringLiteral("Por favor, escriba el tipo de cambio.")};
  if (ConvierteTipoCambio(sTipoCambio) <= 0)
    return {TCampoFaltante::TipoCambio,
            QStringLiteral("El tipo de cambio debe ser diferente a cero.")};
  if (nLocalidades != 5)
    return {TCampoFaltante::Localidades, QStringLiteral("Debe agregar 5 localidades de Riesgo.")};
  return {};
}

QString TextoConfirmacion(const QString& sCarpeta, const QStringList& Sucursales)
{
  QStringList Lineas = {
      QStringLiteral("Para responder correctamente la encuesta, es muy importante que por favor "
                     "siga estas indicaciones:"),
      QStringLiteral("1.- Haga un respaldo de seguridad de la Base de Datos del Tolvex."),
      QStringLiteral("2.- Asigne el Símbolo a todas las divisas (Catálogo de \"Divisas para "
                     "Compra/Venta\"; en Tolvex: Menú principal -> Archivo -> Opción 4 ). Las "
                     "Divisas sin Símbolo podrían ser ignoradas y causar resultados erróneos."),
      QStringLiteral("3.- Asigne las Claves de la Actividad a  todos los Sectores (Catálogo de "
                     "\"Ocupaciones, Profesiones, Actividades o Giros del Negocio\"; en Tolvex:  "
                     "Menú principal -> Usuarios -> Opción 2). Cerciórese que la clave corresponda "
                     "correctamente con el Sector, de lo contrario podría causar resultados "
                     "erróneos."),
      QStringLiteral("4.- Instale y ejecute este programa en la carpeta raíz del Tolvex ( "
                     "c:\\Tolvex Software\\ ).         "),
      QStringLiteral("5.- Si tiene varias computadoras con Tolvex en el mismo establecimiento, "
                     "instale este programa en la computadora principal (Servidor)."),
      QStringLiteral("6.- Si tiene varias sucursales, utilice este programa para generar un "
                     "reporte por sucursal. Posteriormente analice la información para "
                     "condensarla manualmente en un solo reporte."),
      QStringLiteral("7.- La encuesta en su mayoría, tiene preguntas que no son posibles de "
                     "contestar por medio de la Base de Datos del Tolvex, por lo que deberá "
                     "contestarlas a criterio y de acuerdo la operatividad de su CC."),
      QStringLiteral("Nota 1: En el reporte que se generará, sólo aparecen las preguntas que se "
                     "pueden responder con la Base de datos del Tolvex."),
      QStringLiteral("Nota 2: Considere los datos que están entre paréntesis para analizar y "
                     "condensar la información en caso de tener varias sucursales. No debe "
                     "escribir estos datos en la encuesta, son sólo datos informativos para su "
                     "análisis."),
      QStringLiteral("¿Ha seguido las indicaciones y desea continuar?"),
  };
  if (!Sucursales.isEmpty()) {
    Lineas.removeAt(6);
    Lineas[6].replace(0, 1, u'6');
    QStringList BackOffices = {QStringLiteral("matriz: ") + sCarpeta};
    for (const QString& sSucursal : Sucursales)
      BackOffices << QStringLiteral("sucursal: ") + sSucursal;
    Lineas.insert(Lineas.size() - 1,
                  QStringLiteral("El reporte consolidará %1 back offices (%2); el programa hace las "
                                 "sumatorias y los cálculos.")
                      .arg(BackOffices.size())
                      .arg(BackOffices.join(QStringLiteral("; "))));
  }
  return Lineas.join(QStringLiteral("\r\r\n"));
}

TRutaReporte::TRutaReporte(std::shared_ptr<IMensajero> Mensajero, TdmMain& dmMain,
                           QString sCarpeta, QStringList Sucursales)
    : F_Mensajero(std::move(Mensajero)),
      F_dmMain(dmMain),
      F_sCarpeta(std::move(sCarpeta)),
      F_Sucursales(std::move(Sucursales))
{
}

QString TextoConfirmacion(const QList<THallazgo>& Hallazgos, const QString& sCarpeta,
                          const QStringList& Sucursales)
{
  const QString sIndicaciones = TextoConfirmacion(sCarpeta, Sucursales);
  if (Hallazgos.isEmpty())
    return sIndicaciones;
  return (QStringList{QStringLiteral("Revisión de la Base de Datos del Tolvex:")} +
          LineasHallazgos(Hallazgos) + QStringList{QString(), sIndicaciones})
      .join(QStringLiteral("\r\r\n"));
}

QStringList LineasHallazgos(const QList<THallazgo>& Hallazgos)
{
  constexpr int CC_NOMBRES = 3;
  QStringList Lineas;
  for (const THallazgo& Hallazgo : Hallazgos) {
    QString sNombres = Hallazgo.Nombres.mid(0, CC_NOMBRES).join(QStringLiteral(", "));
    if (Hallazgo.Nombres.size() > CC_NOMBRES)
      sNombres += QStringLiteral(" y %1 más").arg(Hallazgo.Nombres.size() - CC_NOMBRES);
    Lineas << QStringLiteral("- %1: %2.").arg(Hallazgo.sRevision, sNombres);
  }
  return Lineas;
}

bool TipoCambioLejano(double dTCambio)
{
  return dTCambio < CC_TIPO_CAMBIO_SUGERIDO / 2 || dTCambio > CC_TIPO_CAMBIO_SUGERIDO * 2;
}

QString TextoTipoCambioLejano(double dTCambio)
{
  return QStringLiteral("El tipo de cambio %1 es muy distinto del sugerido (%2).")
      .arg(FormatoDosDecimales(dTCambio), QString::number(CC_TIPO_CAMBIO_SUGERIDO, 'f', 2));
}

TResultadoRuta TRutaReporte::GeneraReporte(const QString& sUsuario, const QString& sPassw,
                                           const QString& sTipoCambio,
                                           const TLocalidades& ListaLocs,
                                           const std::function<void()>& AccesoRechazado,
                                           const TConfirmacion& Confirma)
{
  const TResultadoRuta Resultado =
      Entra(sUsuario, sPassw, sTipoCambio, ListaLocs, AccesoRechazado,
            [&](TRepEncGAFI2016& Encuesta) {
              if (!Confirma(Encuesta.RevisionPrevia()))
                return TResultadoRuta::Cancelado;
              Encuesta.SetCorrida(CorridaSoporte(sUsuario));
              return Encuesta.GeneraReporte() ? TResultadoRuta::Exito
                                              : TResultadoRuta::FallaPregunta;
            });
  if (Resultado == TResultadoRuta::Cancelado)
    return Resultado;
  F_Mensajero->MsjEnTx(Resultado == TResultadoRuta::Exito
                           ? QStringLiteral("El reporte se generó correctamente.")
                           : QStringLiteral("No fue posible generar el reporte. Llame a Soporte "
                                            "Técnico."));
  return Resultado;
}

TCorridaSoporte TRutaReporte::CorridaSoporte(const QString& sUsuario) const
{
  TCorridaSoporte Corrida;
  Corrida.sUsuario = sUsuario;
  Corrida.sVersion = QStringLiteral("encuesta-gafi " ENCUESTA_VERSION);
  Corrida.sPlataforma = QSysInfo::prettyProductName() + QStringLiteral(" · ") + QSysInfo::currentCpuArchitecture();
  Corrida.Archivos << DescribeArchivo(QStringLiteral("matriz"), F_sCarpeta, BuscaArchivo(F_sCarpeta, CC_ARCHIVOBD));
  for (const QString& sSucursal : F_Sucursales)
    Corrida.Archivos << DescribeArchivo(QStringLiteral("sucursal"), sSucursal, BuscaArchivo(sSucursal, CC_ARCHIVOBD));
  return Corrida;
}

TResultadoRuta TRutaReporte::Entra(const QString& sUsuario, const QString& sPassw,
                                   const QString& sTipoCambio, const TLocalidades& ListaLocs,
                                   const std::function<void()>& AccesoRechazado,
                                   const TTrabajo& Trabajo)
{
  std::shared_ptr<ado::TConexionADO> ConectorBDPrinc;
  if (!ConectaBDLocal(ConectorBDPrinc))
    return F_bBDEncontrada ? TResultadoRuta::SinConexion : TResultadoRuta::SinBD;
  const TAvisoCarga AvisoCarga(ConectorBDPrinc, F_Mensajero);
  const double dTCambio = ConvierteTipoCambio(sTipoCambio);
  std::shared_ptr<TRepEncGAFI2016> Encuesta;
  int nNumEmp = 0;
  const TResultadoRuta Revision = RevisaBackOffice(
      F_sCarpeta, {}, sUsuario, sPassw, AccesoRechazado, nNumEmp, [&](int nEmpresa) -> TTolvexBD& {
        Encuesta = std::make_shared<TRepEncGAFI2016>(ConectorBDPrinc, F_dmMain.repGeneral,
                                                     AvisoCarga.Mensajero(), dTCambio, nEmpresa,
                                                     ListaLocs, F_dmMain);
        return *Encuesta;
      });
  if (Revision != TResultadoRuta::Exito)
    return Revision;
  ado::TConsolidacionJet Consolidacion{nNumEmp, {}, ReglasSucursales()};
  QStringList BackOffices = {QStringLiteral("matriz %1 (empresa %2)").arg(F_sCarpeta).arg(nNumEmp)};
  for (const QString& sSucursal : F_Sucursales) {
    ado::TSucursalJet Sucursal;
    QString sDescripcion;
    const TResultadoRuta RevisionSucursal =
        RevisaSucursal(sSucursal, sUsuario, sPassw, AccesoRechazado, Sucursal, sDescripcion);
    if (RevisionSucursal != TResultadoRuta::Exito)
      return RevisionSucursal;
    Consolidacion.Sucursales << Sucursal;
    BackOffices << sDescripcion;
  }
  ConectorBDPrinc->SetConsolidacion(F_Sucursales.isEmpty() ? ado::TConsolidacionJet{}
                                                           : Consolidacion);
  Encuesta->SetBackOffices(BackOffices);
  return Trabajo(*Encuesta);
}

TResultadoRuta TRutaReporte::RevisaBackOffice(
    const QString& sCarpeta, const QString& sQuien, const QString& sUsuario, const QString& sPassw,
    const std::function<void()>& AccesoRechazado, int& nNumEmp,
    const std::function<TTolvexBD&(int nNumEmp)>& BackOfficeDe)
{
  const auto Rechazo = [&sQuien](const QString& sMotivo) { Dialogos().Mensaje(sQuien + sMotivo); };
  if (!DameEmpresaCarpeta(sCarpeta, nNumEmp)) {
    Rechazo(QStringLiteral("No se pudo extraer el Número de la Empresa predeterminada."));
    return TResultadoRuta::SinEmpresa;
  }
  TTolvexBD& BackOffice = BackOfficeDe(nNumEmp);
  // Every answer would be empty under another company's name.
  if (!BackOffice.ExisteEmpresa(nNumEmp)) {
    Rechazo(QStringLiteral("No existe la empresa número %1 en la base de datos del Tolvex "
                           "(EmpresaActiva de %2).")
                .arg(nNumEmp)
                .arg(QDir::toNativeSeparators(
                    QFileInfo(BuscaArchivo(sCarpeta, CC_ARCHIVOINI)).absoluteFilePath())));
    return TResultadoRuta::SinEmpresa;
  }
  if (BackOffice.UsuariosConectados()) {
    Rechazo(QStringLiteral("Hay un usuario conectado a la BD. Cierre Tolvex antes de continuar."));
    return TResultadoRuta::UsuariosConectados;
  }
  if (!BackOffice.ValidaAcceso(sUsuario, sPassw, true)) {
    F_Mensajero->MsjTxEspera(sQuien + QStringLiteral("La contraseña es incorrecta o, el usuario no "
                                                     "tiene permisos de administrador."),
                             true);
    if (AccesoRechazado)
      AccesoRechazado();
    return TResultadoRuta::AccesoRechazado;
  }
  return TResultadoRuta::Exito;
}

bool TRutaReporte::ConectaBDLocal(std::shared_ptr<ado::TConexionADO>& adoConnector)
{
  const QString sRutaTolvex = BuscaArchivo(F_sCarpeta, CC_ARCHIVOBD);
  F_bBDEncontrada = !sRutaTolvex.isEmpty();
  if (!F_bBDEncontrada) {
    Dialogos().Mensaje(
        QStringLiteral("Error: Este programa debe encontrarse en la carpeta raíz del Tolvex."));
    return false;
  }
  F_Mensajero->MsjTxEspera(QStringLiteral("Conectando con la BD..."), false);
  ColectorConexiones->CreaBDPrinc(sRutaTolvex, QString(), false);
  return ColectorConexiones->Conecta(CC_NOMBDPRINC) &&
         ColectorConexiones->DameAccessConex(CC_NOMBDPRINC, adoConnector) &&
         adoConnector->Connected();
}

