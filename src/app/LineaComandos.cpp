#include "app/LineaComandos.h"

#include "ado/ErrorADO.h"
#include "app/ArgumentosGenerar.h"
#include "app/AyudaPrograma.h"
#include "app/CatalogoLocalidades.h"
#include "app/MensajeroConsola.h"
#include "app/OrdenesPrograma.h"
#include "app/Plataforma.h"
#include "app/RutaReporte.h"
#include "base/ErrorSistema.h"
#include "app/Utilerias.h"
#include "data/DataModule.h"
#include "db/ColectorConxs.h"
#include "db/Dialogos.h"
#include "report/ExportadorJSON.h"
#include "report/ExportadorPDF.h"
#include "report/Reporte.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <optional>

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
  // The command line refuses a doubtful entry before asking anything.
  bool Pregunta(const QString& sTexto) override
  {
    Mensaje(sTexto);
    return false;
  }

 private:
  TMensajeroConsola& F_Mensajero;
};

// "Showing" the report writes the requested files, and the support's beside them.
class TVisorArchivos : public IVisorReporte {
 public:
  // Reporte: the report shown, whose variables and annex's data are written as JSON.
  TVisorArchivos(const TArgumentosGenerar& Args, const TReporte& Reporte)
      : F_sPdf(Args.sPdf), F_sJson(Args.sJson), F_Soportes(Args.Soportes), F_Reporte(Reporte) {}
  void Muestra(const QList<TDocumentoVisor>& Documentos) override
  {
    QString sError;
    const TDocumentoVisor& Cuestionario = Documentos.first();
    if (!F_sPdf.isEmpty() && !EscribePDF(Cuestionario.Paginas.Preparadas(), Cuestionario.Ajustes, F_sPdf, sError))
      F_Errores << sError;
    if (!F_sJson.isEmpty() && !ExportaJSON(F_Reporte, F_sJson, sError))
      F_Errores << sError;
    if (const std::optional<TAnexoReporte>& Anexo = F_Reporte.Anexo(); Anexo && Documentos.size() > 1) {
      F_sResumen = Anexo->sResumen;
      for (const QString& sRuta : F_Soportes) {
        const bool bEscrito = FormatoSoporte(sRuta) == QLatin1String("json")
                                  ? EscribeArchivo(sRuta, Anexo->Json, sError)
                                  : EscribePDF(Documentos[1].Paginas.Preparadas(), Documentos[1].Ajustes, sRuta, sError);
        if (bEscrito)
          F_SoportesEscritos << sRuta;
        else
          F_Errores << sError;
      }
    }
  }
  const QStringList& Errores() const { return F_Errores; }
  // The line that ends every run that reached the report: what the support found.
  QString LineaSoporte() const
  {
    if (F_sResumen.isEmpty())
      return {};
    return QStringLiteral("Soporte: %1; detalle %2").arg(F_sResumen,
        F_SoportesEscritos.isEmpty() ? QStringLiteral("con --soporte ARCHIVO.pdf")
                                     : QStringLiteral("en ") + F_SoportesEscritos.join(QStringLiteral(" y ")));
  }

 private:
  QString F_sPdf;
  QString F_sJson;
  QStringList F_Soportes;
  QStringList F_SoportesEscritos;
  QString F_sResumen;
  QStringList F_Errores;
  const TReporte& F_Reporte;
};

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

// The refusal the window shows on its status line.
void EscribeRechazo(TMensajeroConsola& Mensajero)
{
  Mensajero.LimpiaLinea();
  Escribe(stderr, Mensajero.UltimoTexto());
}

// After reading a command's options: the status when the command ends there (a
// usage error, or --help), nothing when it goes on.
std::optional<int> TerminaAlLeer(const std::optional<QString>& sError, const TArgumentosGenerar& Args)
{
  if (sError) {
    EscribeTexto(stderr, TextoErrorUso(*sError));
    return CC_ENTRADA;
  }
  if (Args.bAyuda) {
    EscribeTexto(stdout, TextoAyuda());
    return CC_EXITO;
  }
  return std::nullopt;
}

// The head office's folder, looked at before anything in it: a missing one refuses the run.
bool ExisteCarpeta(const QString& sCarpeta)
{
  if (QDir(sCarpeta).exists())
    return true;
  Escribe(stderr, QStringLiteral("No existe la carpeta del Tolvex: %1").arg(sCarpeta));
  return false;
}

// Progress on standard error; dialogs become lines there.
std::shared_ptr<TMensajeroConsola> MensajeroConsola()
{
  const auto Mensajero = std::make_shared<TMensajeroConsola>(EsTerminal(stderr));
  EstableceDialogos(std::make_shared<TDialogosConsola>(*Mensajero));
  return Mensajero;
}

// `localidades`: the keys with operations of the back office, or of the head office and its
// branches together, through the same way in as generar.
int ListaLocalidades(const QStringList& Argumentos)
{
  TArgumentosGenerar Args;
  if (auto nSalida = TerminaAlLeer(LeeArgumentosLocalidades(Argumentos, Args), Args))
    return *nSalida;
  if (Args.sUsuario.value_or(QString()).trimmed().isEmpty()) {
    Escribe(stderr, QStringLiteral("Por favor, escriba su usuario (Administrador)."));
    return CC_ENTRADA;
  }
  if (auto sError = RevisaCarpetasRepetidas(Args.sCarpeta, Args.Sucursales)) {
    Escribe(stderr, *sError);
    return CC_ENTRADA;
  }
  if (!ExisteCarpeta(Args.sCarpeta))
    return CC_RECHAZO;
  TdmMain dmMain;
  if (auto sError = CambiaCatalogo(dmMain, Args.sCatalogo)) {
    Escribe(stderr, *sError);
    return CC_ENTRADA;
  }
  const auto Mensajero = MensajeroConsola();
  QList<TLocalidadOperada> Localidades;
  TRutaReporte Ruta(Mensajero, dmMain, Args.sCarpeta, Args.Sucursales);
  const TResultadoRuta Resultado = Ruta.Entra(
      *Args.sUsuario, Args.sPassword, Args.sTipoCambio, LocalidadesDeClaves(dmMain, {}),
      [&Mensajero] { EscribeRechazo(*Mensajero); },
      [&Localidades](TRepEncGAFI2016& Encuesta) {
        return Encuesta.DameLocalidadesOperadas(Localidades) ? TResultadoRuta::Exito
                                                             : TResultadoRuta::FallaPregunta;
      });
  Mensajero->LimpiaLinea();
  if (Resultado != TResultadoRuta::Exito)
    return Salida(Resultado);
  const QString sDeQuien = Args.Sucursales.isEmpty()
                              ? QStringLiteral("del back office")
                              : QStringLiteral("de los %1 back offices consolidados")
                                    .arg(Args.Sucursales.size() + 1);
  Escribe(stdout, QStringLiteral("Claves de localidad %1 con operaciones desde el 1 de noviembre "
                                 "de 2011, de más a menos:")
                      .arg(sDeQuien));
  for (const QString& sLinea : LineasLocalidades(dmMain, Localidades))
    Escribe(stdout, sLinea);
  return CC_EXITO;
}

int Genera(const QStringList& Argumentos)
{
  TArgumentosGenerar Args;
  if (auto nSalida = TerminaAlLeer(LeeArgumentosGenerar(Argumentos, Args), Args))
    return *nSalida;
  TdmMain dmMain;
  if (auto sError = CambiaCatalogo(dmMain, Args.sCatalogo)) {
    Escribe(stderr, *sError);
    return CC_ENTRADA;
  }
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
  const double dTCambio = ConvierteTipoCambio(Args.sTipoCambio);
  if (TipoCambioLejano(dTCambio) && !Args.bForzarTipoCambio) {
    Escribe(stderr, TextoTipoCambioLejano(dTCambio) +
                        QStringLiteral(" Si es correcto, repita la orden con --forzar-tipo-cambio."));
    return CC_ENTRADA;
  }
  if (!ExisteCarpeta(Args.sCarpeta))
    return CC_RECHAZO;

  const auto Mensajero = MensajeroConsola();
  const auto Visor = std::make_shared<TVisorArchivos>(Args, dmMain.repGeneral);
  dmMain.repGeneral.SetVisor(Visor);
  TRutaReporte Ruta(Mensajero, dmMain, Args.sCarpeta, Args.Sucursales);
  const TResultadoRuta Resultado =
      Ruta.GeneraReporte(*Args.sUsuario, Args.sPassword, Args.sTipoCambio,
                         LocalidadesDeClaves(dmMain, Args.Claves),
                         [&Mensajero] { EscribeRechazo(*Mensajero); },
                         [&Mensajero](const QList<THallazgo>& Hallazgos) {
                           // Told, not asked: the report still runs.
                           Mensajero->LimpiaLinea();
                           for (const QString& sLinea : LineasHallazgos(Hallazgos))
                             Escribe(stderr, sLinea);
                           return true;
                         });
  Mensajero->LimpiaLinea();
  for (const QString& sError : Visor->Errores())
    Escribe(stderr, sError);
  if (Visor->Errores().isEmpty())
    Escribe(stderr, Mensajero->UltimoTexto());
  if (const QString sLinea = Visor->LineaSoporte(); !sLinea.isEmpty())
    Escribe(stderr, sLinea);
  // An output that cannot be written is the command's own input.
  return Visor->Errores().isEmpty() ? Salida(Resultado) : CC_ENTRADA;
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
  const TOrdenPrograma Orden = DameOrden(Aplicacion.arguments().mid(1));
  int nSalida = CC_ERROR;
  ColectorConexiones = std::make_shared<TColectorConxs>();
  try {
    nSalida = Orden.Orden == TOrden::Localidades ? ListaLocalidades(Orden.Argumentos)
                                                 : Genera(Orden.Argumentos);
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
