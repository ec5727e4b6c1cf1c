#include "app/LineaComandos.h"

#include "ado/ErrorADO.h"
#include "app/ArgumentosGenerar.h"
#include "app/AyudaPrograma.h"
#include "app/MensajeroConsola.h"
#include "app/OrdenesPrograma.h"
#include "app/Plataforma.h"
#include "app/RutaReporte.h"
#include "base/ErrorSistema.h"
#include "data/DataModule.h"
#include "db/ColectorConxs.h"
#include "db/Dialogos.h"
#include "report/ExportadorJSON.h"
#include "report/Reporte.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

namespace {

enum TSalida { CC_EXITO = 0, CC_FALLA_PREGUNTA = 1, CC_ENTRADA = 2, CC_RECHAZO = 3, CC_ERROR = 4 };

void Escribe(FILE* Destino, const QString& sTexto)
{
  EscribeTexto(Destino, sTexto + QLatin1Char('\n'));
}

// Dialogs become lines on standard error; the confirmation is taken as Yes.
class TDialogosConsola : public IDialogos {
 public:
  explicit TDialogosConsola(TMensajeroConsola& Mensajero) : F_Mensajero(Mensajero) {}
  void Mensaje(const QString& sTexto) override
  {
    F_Mensajero.LimpiaLinea();
    Escribe(stderr, sTexto);
  }
  bool Advertencia(const QString&) override { return true; }

 private:
  TMensajeroConsola& F_Mensajero;
};

// "Showing" the report writes the requested files.
class TVisorArchivos : public IVisorReporte {
 public:
  TVisorArchivos(QString sPdf, QString sJson) : F_sPdf(std::move(sPdf)), F_sJson(std::move(sJson)) {}
  void Muestra(TReporte& Reporte) override
  {
    QString sError;
    if (!F_sPdf.isEmpty() && !Reporte.ExportaPDF(F_sPdf, sError))
      F_Errores << sError;
    if (!F_sJson.isEmpty() && !ExportaJSON(Reporte, F_sJson, sError))
      F_Errores << sError;
    F_bEscrito = true;
  }
  const QStringList& Errores() const { return F_Errores; }
  bool Escrito() const { return F_bEscrito; }

 private:
  QString F_sPdf;
  QString F_sJson;
  QStringList F_Errores;
  bool F_bEscrito = false;
};

// The chosen localities as the window would hold them: state name, locality name, key.
TLocalidades LocalidadesDeClaves(const TdmMain& dmMain, const QStringList& Claves)
{
  TLocalidades Lista{std::make_shared<QStringList>(), std::make_shared<QStringList>(),
                     std::make_shared<QStringList>()};
  TTablaMemoria Localidades = dmMain.vLocalidades;
  TTablaMemoria Estados = dmMain.vtEstados;
  Localidades.SetFiltered(false);
  Estados.SetFiltered(false);
  Localidades.Open();
  Estados.Open();
  for (const QString& sClave : Claves) {
    for (Localidades.First(); !Localidades.Eof(); Localidades.Next())
      if (Localidades.CampoTexto(QStringLiteral("Clave")) == sClave)
        break;
    const int nIdEstado = Localidades.CampoEntero(QStringLiteral("IdEstado"));
    for (Estados.First(); !Estados.Eof(); Estados.Next())
      if (Estados.CampoEntero(QStringLiteral("IdEstado")) == nIdEstado)
        break;
    Lista.Estado->append(Estados.CampoTexto(QStringLiteral("Estado")));
    Lista.Ciudad->append(Localidades.CampoTexto(QStringLiteral("Localidad")));
    Lista.Clave->append(sClave);
  }
  return Lista;
}

// Qt's own notices (a missing runtime folder, font fallbacks) are not the user's business;
// standard error carries our messages only.
void SoloErroresDeQt(QtMsgType Tipo, const QMessageLogContext&, const QString& sTexto)
{
  if (Tipo == QtCriticalMsg || Tipo == QtFatalMsg)
    Escribe(stderr, sTexto);
}

int Salida(TResultadoRuta Resultado)
{
  switch (Resultado) {
    case TResultadoRuta::Exito: return CC_EXITO;
    case TResultadoRuta::FallaPregunta: return CC_FALLA_PREGUNTA;
    default: return CC_RECHAZO;
  }
}

int Genera(const QStringList& Argumentos)
{
  TArgumentosGenerar Args;
  if (auto sError = LeeArgumentosGenerar(Argumentos, Args)) {
    EscribeTexto(stderr, TextoErrorUso(*sError));
    return CC_ENTRADA;
  }
  if (Args.bAyuda) {
    EscribeTexto(stdout, TextoAyuda());
    return CC_EXITO;
  }
  TdmMain dmMain;
  if (auto sError = RevisaArgumentosGenerar(Args, dmMain.vLocalidades)) {
    Escribe(stderr, *sError);
    return CC_ENTRADA;
  }
  const TRevisionCampos Revision =
      RevisaCampos(Args.sUsuario.value_or(QString()), Args.sTipoCambio, int(Args.Claves.size()));
  if (Revision.Campo != TCampoFaltante::Ninguno) {
    Escribe(stderr, Revision.sMensaje);
    return CC_ENTRADA;
  }
  if (!QDir(Args.sCarpeta).exists()) {
    Escribe(stderr, QStringLiteral("No existe la carpeta del Tolvex: %1").arg(Args.sCarpeta));
    return CC_RECHAZO;
  }

  const auto Mensajero = std::make_shared<TMensajeroConsola>(EsTerminal(stderr));
  EstableceDialogos(std::make_shared<TDialogosConsola>(*Mensajero));
  const auto Visor = std::make_shared<TVisorArchivos>(Args.sPdf, Args.sJson);
  dmMain.repGeneral.SetVisor(Visor);
  TRutaReporte Ruta(Mensajero, dmMain, Args.sCarpeta, Args.Sucursales);
  const TResultadoRuta Resultado =
      Ruta.GeneraReporte(*Args.sUsuario, Args.sPassword, Args.sTipoCambio,
                         LocalidadesDeClaves(dmMain, Args.Claves), [&Mensajero] {
                           // The refusal the window shows on its status line.
                           Mensajero->LimpiaLinea();
                           Escribe(stderr, Mensajero->UltimoTexto());
                         });
  Mensajero->LimpiaLinea();
  for (const QString& sError : Visor->Errores())
    Escribe(stderr, sError);
  // An output that cannot be written is the command's own input.
  if (!Visor->Errores().isEmpty())
    return CC_ENTRADA;
  Escribe(stderr, Mensajero->UltimoTexto());
  return Salida(Resultado);
}

}  // namespace

int EjecutaSinPantalla(const TOrdenPrograma& Orden)
{
  PreparaConsola();
  switch (Orden.Orden) {
    case TOrden::Ayuda:
      EscribeTexto(stdout, TextoAyuda());
      return CC_EXITO;
    case TOrden::Version:
      EscribeTexto(stdout, TextoVersion());
      return CC_EXITO;
    case TOrden::ErrorUso:
      EscribeTexto(stderr, TextoErrorUso(Orden.sError));
      return CC_ENTRADA;
    default:
      EscribeTexto(stderr, TextoErrorUso(QStringLiteral(
                               "No hay pantalla para abrir la ventana. Sin pantalla, use la orden "
                               "generar.")));
      return CC_ENTRADA;
  }
}

int EjecutaLineaComandos(int argc, char** argv)
{
  // No display needed: the report is written, never shown.
  if (!HayPantalla())
    qputenv("QT_QPA_PLATFORM", "offscreen");
  PreparaConsola();
  qInstallMessageHandler(SoloErroresDeQt);
  QGuiApplication Aplicacion(argc, argv);
  const QStringList Argumentos = DameOrden(Aplicacion.arguments().mid(1)).Argumentos;
  int nSalida = CC_ERROR;
  ColectorConexiones = std::make_shared<TColectorConxs>();
  try {
    nSalida = Genera(Argumentos);
  } catch (const ado::EErrorADO& Error) {
    // A damaged back office refuses the run, as a missing one does.
    if (Error.Clase() == ado::CC_ERROR_ARCHIVO) {
      Escribe(stderr, Error.Mensaje());
      nSalida = CC_RECHAZO;
    } else {
      Escribe(stderr, QStringLiteral("Error inesperado: %1")
                          .arg(ExplicaErrorSistema(QString::fromLocal8Bit(Error.what()))));
    }
  } catch (const std::exception& Error) {
    Escribe(stderr, QStringLiteral("Error inesperado: %1")
                        .arg(ExplicaErrorSistema(QString::fromLocal8Bit(Error.what()))));
  }
  EstableceDialogos(nullptr);
  ColectorConexiones.reset();
  return nSalida;
}
