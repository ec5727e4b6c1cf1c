#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

#include "ado/Consolidacion.h"
#include "survey/RepEncGAFI2016.h"

class IMensajero;
class TdmMain;
class TTolvexBD;
namespace ado {
class TConexionADO;
}

// The Tolvex files of a root folder.
inline const QString CC_ARCHIVOBD = QStringLiteral("DataBase/Tolvex.mdb");
inline const QString CC_ARCHIVOINI = QStringLiteral("Tolvex.INI");

// The road from the user's entries to the shown report, without widgets: the
// window and the command line drive it through the messenger and the dialogs
// (db/Dialogos.h) and share its checks and messages.

enum class TCampoFaltante { Ninguno, Usuario, TipoCambio, Localidades };

struct TRevisionCampos {
  TCampoFaltante Campo = TCampoFaltante::Ninguno;
  QString sMensaje;  // status text that tells the user what is missing
};

// The entries a run needs, tested in order; the first one missing or wrong is reported.
TRevisionCampos RevisaCampos(const QString& sUsuario, const QString& sTipoCambio,
                             int nLocalidades);

// The instructions the user confirms before a run; lines joined by CR CR LF. With
// branches (folders) the report is consolidated: the confirmation lists the back offices
// and drops the instruction to make one report per branch and join them by hand.
QString TextoConfirmacion(const QString& sCarpeta = {}, const QStringList& Sucursales = {});
// The same, after what the pre-flight checks found (at most a few names per check).
QString TextoConfirmacion(const QList<THallazgo>& Hallazgos, const QString& sCarpeta = {},
                          const QStringList& Sucursales = {});
// One line per finding, as the confirmation and the command line show it.
QStringList LineasHallazgos(const QList<THallazgo>& Hallazgos);

// The rate the window suggests. One outside half to twice it is most likely a typing
// mistake (a lost decimal point): the window asks, the command line wants it forced.
inline constexpr double CC_TIPO_CAMBIO_SUGERIDO = 13.29;
bool TipoCambioLejano(double dTCambio);
// "El tipo de cambio 1,329.00 es muy distinto del sugerido (13.29).": the rate as it will be used.
QString TextoTipoCambioLejano(double dTCambio);

enum class TResultadoRuta {
  Exito,               // every question answered, the report shown
  Cancelado,           // the user said No to the confirmation
  FallaPregunta,       // the report shown, a question failed
  SinBD,               // no back-office database in the folder
  SinConexion,         // the database did not open
  SinEmpresa,          // no company number in the settings file
  UsuariosConectados,  // back-office users are connected
  AccesoRechazado      // wrong user or password, or not an administrator
};

class TRutaReporte {
 public:
  // sCarpeta: the Tolvex root, which holds DataBase/Tolvex.mdb and Tolvex.INI; Sucursales:
  // the roots of the branches whose back offices the report consolidates with it.
  TRutaReporte(std::shared_ptr<IMensajero> Mensajero, TdmMain& dmMain, QString sCarpeta,
               QStringList Sucursales = {});

  // What a run does once the back office let the user in.
  using TTrabajo = std::function<TResultadoRuta(TRepEncGAFI2016& Encuesta)>;

  // The way in shared by every command: connects, reads the company, refuses
  // while users are connected and checks the login (AccesoRechazado runs after
  // a refused one), checks every branch the same way (a refusal names its
  // folder); then Trabajo runs on the survey and gives the result.
  TResultadoRuta Entra(const QString& sUsuario, const QString& sPassw, const QString& sTipoCambio,
                       const TLocalidades& ListaLocs, const std::function<void()>& AccesoRechazado,
                       const TTrabajo& Trabajo);

  // What the user is asked once in, with the pre-flight findings; true goes on.
  using TConfirmacion = std::function<bool(const QList<THallazgo>& Hallazgos)>;

  // The run: Entra, the pre-flight checks and the confirmation, then the survey;
  // ends with the final status text (none when the user said No).
  // AccesoRechazado runs after the login was refused (the window points the user
  // at the password). Errors that escape the layers below go on to the caller;
  // the survey is released on the way out.
  TResultadoRuta GeneraReporte(const QString& sUsuario, const QString& sPassw,
                               const QString& sTipoCambio, const TLocalidades& ListaLocs,
                               const std::function<void()>& AccesoRechazado,
                               const TConfirmacion& Confirma);

  bool ConectaBDLocal(std::shared_ptr<ado::TConexionADO>& adoConnector);

  // What the support says about the run: the back offices' files, the user, the program.
  TCorridaSoporte CorridaSoporte(const QString& sUsuario) const;

 private:
  // The checks every back office passes once its database is open, the head office's
  // and each branch's, in this order: the company of its Tolvex.INI (nNumEmp), that
  // company in its database (BackOfficeDe gives the back office that reads it), no user
  // connected, the administrator's login. Every refusal starts with sQuien.
  TResultadoRuta RevisaBackOffice(const QString& sCarpeta, const QString& sQuien,
                                  const QString& sUsuario, const QString& sPassw,
                                  const std::function<void()>& AccesoRechazado, int& nNumEmp,
                                  const std::function<TTolvexBD&(int nNumEmp)>& BackOfficeDe);
  // The branch in sCarpeta checked as the head office is; on success Sucursal says
  // how the engine reads it and sDescripcion names it in the report.
  TResultadoRuta RevisaSucursal(const QString& sCarpeta, const QString& sUsuario,
                                const QString& sPassw, const std::function<void()>& AccesoRechazado,
                                ado::TSucursalJet& Sucursal, QString& sDescripcion);

  std::shared_ptr<IMensajero> F_Mensajero;
  TdmMain& F_dmMain;
  QString F_sCarpeta;
  QStringList F_Sucursales;
  bool F_bBDEncontrada = false;  // set by ConectaBDLocal: the file was there
};
