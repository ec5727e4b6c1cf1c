#include "app/Principal.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>

#include "ado/ErrorADO.h"
#include "app/AutoCompletaCombo.h"
#include "app/DialogosVentana.h"
#include "app/Mensajero.h"
#include "app/RutaReporte.h"
#include "app/SelectorLocalidades.h"
#include "app/UbicacionVentana.h"
#include "app/TeclasPrincipal.h"
#include "app/Utilerias.h"
#include "base/ErrorSistema.h"
#include "data/DataModule.h"
#include "db/Dialogos.h"

namespace {

const QString CC_TITULO = QStringLiteral("Encuesta de Evaluación de Riesgo GAFI - 2016 ");
const QString CC_CIERRE_RECHAZADO =
    QStringLiteral("Espere a que termine de generarse el reporte.");

// Runs Accion when the focus leaves Control for another control.
class TAlSalir : public QObject {
 public:
  TAlSalir(QWidget* Control, std::function<void()> Accion)
      : QObject(Control), F_Accion(std::move(Accion))
  {
    Control->installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* Evento) override
  {
    if (Evento->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(Evento)->reason() != Qt::PopupFocusReason)
      F_Accion();
    return false;
  }

 private:
  std::function<void()> F_Accion;
};

// Marks a click on "Generar reporte" as in progress for as long as it is handled.
class TEnCurso {
 public:
  explicit TEnCurso(bool& bEnCurso) : F_bEnCurso(bEnCurso) { F_bEnCurso = true; }
  ~TEnCurso() { F_bEnCurso = false; }
  TEnCurso(const TEnCurso&) = delete;
  TEnCurso& operator=(const TEnCurso&) = delete;

 private:
  bool& F_bEnCurso;
};

}  // namespace

TfrmPrincipal::TfrmPrincipal(TdmMain& dmMain, QString sCarpetaTolvex,
                             std::shared_ptr<IDialogos> Dialogos, QStringList Sucursales)
    : F_dmMain(dmMain),
      F_sCarpetaTolvex(std::move(sCarpetaTolvex)),
      F_Sucursales(std::move(Sucursales))
{
  setWindowTitle(F_Sucursales.isEmpty()
                     ? CC_TITULO
                     : CC_TITULO + QStringLiteral("- Reporte consolidado de %1 back offices")
                                       .arg(F_Sucursales.size() + 1));
  setFixedSize(621, 730);
  QPalette paleta = palette();
  paleta.setColor(QPalette::Window, Qt::white);
  paleta.setColor(QPalette::WindowText, Qt::black);
  setPalette(paleta);
  setAutoFillBackground(true);
  QFont letra(QStringLiteral("Tahoma"));
  letra.setPixelSize(11);
  setFont(letra);

  c = CreaControles(this);
  F_Dialogos = Dialogos ? std::move(Dialogos) : std::make_shared<TDialogosVentana>(this);
  EstableceDialogos(F_Dialogos);

  // FormCreate
  _MensajeroForm = std::make_shared<TMensajero>(c.txMensajes);
  IniForma();
  c.txPruebas->setVisible(true);

  connect(c.bnGenReporte, &QPushButton::clicked, this, [this] { bnGenReporteClick(); });
  connect(c.bnAgregar, &QPushButton::clicked, this, [this] { F_Selector->bnAgregarClick(); });
  connect(c.bnEliminar, &QPushButton::clicked, this, [this] { F_Selector->bnEliminarClick(); });
  connect(c.cbEstado, &QComboBox::activated, this, [this] { F_Selector->cbEstadoSelect(); });
  F_SalidaEstado = new TAlSalir(c.cbEstado, [this] { F_Selector->cbEstadoExit(); });
  PreparaAutoCompletar(c.cbEstado);
  PreparaAutoCompletar(c.cbCiudad);
  InstalaTeclas();
  CentraEnAreaDisponible(this);
  c.edUsuario->setFocus();
}

TfrmPrincipal::~TfrmPrincipal()
{
  // Hiding the window while its children go moves the focus out of cbEstado after
  // the picker is gone.
  delete F_SalidaEstado;
}

void TfrmPrincipal::IniForma()
{
  _ListaLocs.Estado = std::make_shared<QStringList>();
  _ListaLocs.Ciudad = std::make_shared<QStringList>();
  _ListaLocs.Clave = std::make_shared<QStringList>();
  F_Selector = std::make_unique<TSelectorLocalidades>(c.cbEstado, c.cbCiudad, c.lbLoc,
                                                      F_dmMain.vtEstados, F_dmMain.vLocalidades,
                                                      _MensajeroForm, _ListaLocs);
  F_Selector->CargaCBEstados(QString());
  c.lbLoc->clear();
}

void TfrmPrincipal::InstalaTeclas()
{
  // edPasswKeyPress, shared by the user and the password boxes.
  InstalaManejadorTecla(c.edUsuario, FocusSiguiente);
  InstalaManejadorTecla(c.edPassw, FocusSiguiente);
  InstalaManejadorTecla(c.edCambio, [this](QWidget* Sender, QChar& Key, bool bShift) {
    // A comma that is not the decimal separator would vanish and make 13,29 read 1329.
    if (Key == u',' && QLocale::system().decimalPoint() != QStringLiteral(","))
      _MensajeroForm->MsjTxTemp(QStringLiteral(
          "Se ignoró la coma: el tipo de cambio lleva punto decimal (13.29) y no lleva "
          "separadores de miles."));
    ValidaMoneda(c.edCambio, Key);
    FocusSiguiente(Sender, Key, bShift);
  });
  InstalaManejadorTecla(c.cbEstado, [this](QWidget* Sender, QChar& Key, bool bShift) {
    FocusSiguiente(Sender, Key, bShift);
    if (Key == u'\'')
      Key = QChar::Null;
    const TAutoCompletado Completado = AutoCompleta(c.cbEstado, Key);
    if (Completado.bConsumida)
      Key = QChar::Null;
    if (Completado.bCambio)
      F_Selector->cbEstadoSelect();
  });
  InstalaManejadorTecla(c.cbCiudad, [this](QWidget*, QChar& Key, bool) {
    if (Key == u'\r')
      c.bnAgregar->click();
    if (AutoCompleta(c.cbCiudad, Key).bConsumida)
      Key = QChar::Null;
  });
}

void TfrmPrincipal::closeEvent(QCloseEvent* Evento)
{
  // The survey of a run reads the locality lists: no closing until it ends.
  if (!F_bEnCurso) {
    Evento->accept();
    return;
  }
  Evento->ignore();
  // Not modal: the run goes on while the notice is up.
  if (!F_AvisoCierre) {
    F_AvisoCierre = new QMessageBox(QMessageBox::Information, windowTitle().trimmed(),
                                    CC_CIERRE_RECHAZADO, QMessageBox::Ok, this);
    F_AvisoCierre->setObjectName(QStringLiteral("msgCierreRechazado"));
    F_AvisoCierre->setAttribute(Qt::WA_DeleteOnClose);
    F_AvisoCierre->setModal(false);
  }
  F_AvisoCierre->show();
  F_AvisoCierre->raise();
}

bool TfrmPrincipal::event(QEvent* Evento)
{
  // A question, a message or the report of the run now holds the window: the run no
  // longer keeps the user waiting.
  if (Evento->type() == QEvent::WindowBlocked)
    QuitaAvisoCierre();
  return QWidget::event(Evento);
}

void TfrmPrincipal::QuitaAvisoCierre()
{
  if (!F_AvisoCierre)
    return;
  F_AvisoCierre->hide();
  F_AvisoCierre->deleteLater();
  F_AvisoCierre.clear();  // a later close during a run gets a notice of its own
}

void TfrmPrincipal::bnGenReporteClick()
{
  if (F_bEnCurso)
    return;
  const TEnCurso EnCurso(F_bEnCurso);
  const auto AlTerminar = qScopeGuard([this] { QuitaAvisoCierre(); });
  const auto Proc = [this] { GeneraReporte(); };
  if (CamposVacios())
    return;
  const double dTCambio = ConvierteTipoCambio(c.edCambio->text());
  if (TipoCambioLejano(dTCambio) && !F_Dialogos->Pregunta(TextoTipoCambioLejano(dTCambio) +
                                                         QStringLiteral(" ¿Desea continuar?"))) {
    c.edCambio->setFocus();
    _MensajeroForm->MsjTxEspera(QStringLiteral("Proceso cancelado."), false);
    return;
  }
  // An error that escapes the run would end the program from inside a Qt slot.
  try {
    ProcesayEspera(Proc, c.bnGenReporte);
  } catch (const ado::EErrorADO& Error) {
    F_Dialogos->Mensaje(Error.Mensaje());
  } catch (const std::exception& Error) {
    F_Dialogos->Mensaje(ExplicaErrorSistema(QString::fromUtf8(Error.what())));
  }
}

bool TfrmPrincipal::CamposVacios()
{
  const TRevisionCampos Revision =
      RevisaCampos(c.edUsuario->text(), c.edCambio->text(), c.lbLoc->count());
  switch (Revision.Campo) {
    case TCampoFaltante::Ninguno:
      return false;
    case TCampoFaltante::Usuario:
      _MensajeroForm->CampoObligatorio(c.txUsuario, c.edUsuario);
      break;
    case TCampoFaltante::TipoCambio:
      _MensajeroForm->CampoObligatorio(c.txCambio, c.edCambio);
      break;
    case TCampoFaltante::Localidades:
      _MensajeroForm->CampoObligatorio(c.txLocRiesgo, nullptr);
      c.cbEstado->setFocus();
      break;
  }
  _MensajeroForm->MsjTxTemp(Revision.sMensaje);
  return true;
}

void TfrmPrincipal::GeneraReporte()
{
  TRutaReporte Ruta(_MensajeroForm, F_dmMain, F_sCarpetaTolvex, F_Sucursales);
  Ruta.GeneraReporte(c.edUsuario->text(), c.edPassw->text(), c.edCambio->text(), _ListaLocs,
                     [this] { _MensajeroForm->CampoObligatorio(c.txPassw, c.edPassw); },
                     [this](const QList<THallazgo>& Hallazgos) { return Confirma(Hallazgos); });
}

bool TfrmPrincipal::Confirma(const QList<THallazgo>& Hallazgos)
{
  _MensajeroForm->MsjTxEspera(QStringLiteral("¡Advertencia!"), false);
  // The wait cursor is for the work, not for reading the instructions.
  QApplication::setOverrideCursor(Qt::ArrowCursor);
  const bool bSi = F_Dialogos->Advertencia(TextoConfirmacion(Hallazgos, F_sCarpetaTolvex, F_Sucursales));
  QApplication::restoreOverrideCursor();
  if (!bSi)
    _MensajeroForm->MsjTxEspera(QStringLiteral("Proceso cancelado."), false);
  return bSi;
}
