#include "report/ui/VistaPrevia.h"

#include "report/ExportadorPDF.h"
#include "report/ui/ArchivosEnEspanol.h"
#include "report/ui/ImpresionReporte.h"
#include "report/ui/PaginasVista.h"

#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QScreen>
#include <QBoxLayout>
#include <QScrollArea>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QSpinBox>
#include <QSplitter>
#include <QToolBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <functional>
#include <QWindowStateChangeEvent>

namespace {

const QString CC_ANCHO = QStringLiteral("Ancho de página");
const QString CC_COMPLETA = QStringLiteral("Página completa");
const QList<int> CC_PORCENTAJES{25, 50, 75, 100, 150, 200};
const QStringList CC_ZOOMS{"25 %", "50 %", "75 %", "100 %", "150 %", "200 %", CC_ANCHO, CC_COMPLETA};
constexpr int CC_ESPACIO = TPaginasVista::CC_ESPACIO;
const QString CC_CLAVE_CARPETA = QStringLiteral("VistaPrevia/CarpetaPDF");

// Runs Accion when it goes out of scope, however the function returns.
class TAlSalir {
 public:
  explicit TAlSalir(std::function<void()> Accion) : F_Accion(std::move(Accion)) {}
  ~TAlSalir() { F_Accion(); }
  TAlSalir(const TAlSalir&) = delete;
  TAlSalir& operator=(const TAlSalir&) = delete;

 private:
  std::function<void()> F_Accion;
};

}  // namespace

TfrmVistaPrevia::TfrmVistaPrevia(const QList<TDocumentoVisor>& Documentos, QWidget* pPadre)
    : QDialog(pPadre), F_documentos(Documentos), F_paginas(Documentos.value(0).Paginas.Preparadas())
{
  setModal(true);
  setWindowTitle(Documentos.value(0).sNombre);
  setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);

  F_vista = new TPaginasVista(F_paginas);
  F_area = new QScrollArea(this);
  F_area->setWidget(F_vista);
  F_area->setWidgetResizable(true);
  F_area->viewport()->installEventFilter(this);
  F_area->installEventFilter(this);
  connect(F_area->verticalScrollBar(), &QScrollBar::valueChanged, this,
          &TfrmVistaPrevia::ActualizaPagina);
  F_lbEsquema = new QListWidget(this);
  F_lbEsquema->setObjectName("lbEsquema");
  // By their place: the template's own page names are not in page order.
  for (int n = 1; n <= F_paginas.NumeroPaginas(); ++n)
    F_lbEsquema->addItem(QString("Página %1").arg(n));
  F_lbEsquema->setMaximumWidth(200);
  F_lbEsquema->setVisible(false);
  connect(F_lbEsquema, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* pLinea) { IrAPagina(F_lbEsquema->row(pLinea) + 1); });
  connect(F_lbEsquema, &QListWidget::currentRowChanged, this, [this](int nFila) {
    if (nFila >= 0)
      IrAPagina(nFila + 1);
  });
  auto* divisor = new QSplitter(this);
  divisor->addWidget(F_lbEsquema);
  divisor->addWidget(F_area);
  divisor->setStretchFactor(1, 1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(CreaBarras());
  layout->addWidget(divisor, 1);
  F_cbZoom->setCurrentText("100 %");
  MuestraPagina();
}

void TfrmVistaPrevia::showEvent(QShowEvent* pEvento)
{
  QDialog::showEvent(pEvento);
  F_area->setFocus();  // page keys scroll the pages at once
}

QRect TfrmVistaPrevia::GeometriaNormal(const QRect& rDisponible)
{
  QRect rNormal(QPoint(), rDisponible.size() * 0.8);
  rNormal.moveCenter(rDisponible.center());
  return rNormal;
}

void TfrmVistaPrevia::PreparaMaximizada()
{
  // Without a window manager nothing honours the maximised state: take the
  // whole free area ourselves.
  const QScreen* pPantalla = screen() ? screen() : QGuiApplication::primaryScreen();
  setGeometry(pPantalla->availableGeometry());
  setWindowState(Qt::WindowMaximized);
}

void TfrmVistaPrevia::changeEvent(QEvent* pEvento)
{
  QDialog::changeEvent(pEvento);
  if (pEvento->type() != QEvent::WindowStateChange)
    return;
  const auto* pCambio = static_cast<QWindowStateChangeEvent*>(pEvento);
  const bool bRestaurada = (pCambio->oldState() & Qt::WindowMaximized) &&
                           !(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized |
                                              Qt::WindowFullScreen));
  if (!bRestaurada)
    return;
  // After the platform (or the window manager) has put back the maximised size.
  QTimer::singleShot(0, this, [this] {
    if (windowState() == Qt::WindowNoState && screen())
      setGeometry(GeometriaNormal(screen()->availableGeometry()));
  });
}

bool TfrmVistaPrevia::event(QEvent* pEvento)
{
  switch (pEvento->type()) {
    // The window manager frames the window before it is mapped, and may tell no one.
    case QEvent::Resize:
      AcomodaBarras();
      MarcoDentroDelArea();
      break;
    case QEvent::Move:
    case QEvent::Paint:
    case QEvent::WindowActivate:
      MarcoDentroDelArea();
      break;
    default:
      break;
  }
  return QDialog::event(pEvento);
}

void TfrmVistaPrevia::MarcoDentroDelArea()
{
  // A window manager that does not maximise (twm) frames the window we sized to the
  // free area, and its title bar lands above the screen: the frame goes inside.
  if (!isVisible() || !(windowState() & Qt::WindowMaximized) || !screen())
    return;
  const QRect rDisponible = screen()->availableGeometry();
  const QRect rMarco = frameGeometry();
  if (rDisponible.contains(rMarco))
    return;
  const QRect rCliente = geometry();
  setGeometry(rDisponible.marginsRemoved(
      QMargins(rCliente.left() - rMarco.left(), rCliente.top() - rMarco.top(),
               rMarco.right() - rCliente.right(), rMarco.bottom() - rCliente.bottom())));
}

bool TfrmVistaPrevia::eventFilter(QObject* pObjeto, QEvent* pEvento)
{
  if (pObjeto == F_area && pEvento->type() == QEvent::KeyPress) {
    // Home and End, with or without Ctrl, as every viewer: the first and the last page.
    const int nTecla = static_cast<QKeyEvent*>(pEvento)->key();
    if (nTecla == Qt::Key_Home || nTecla == Qt::Key_End) {
      IrAPagina(nTecla == Qt::Key_Home ? 1 : F_paginas.NumeroPaginas());
      return true;
    }
  }
  if (pObjeto == F_area->viewport() && pEvento->type() == QEvent::Resize)
    ReaplicaAjuste();
  if (pObjeto == F_area->viewport() && pEvento->type() == QEvent::Wheel) {
    auto* pRueda = static_cast<QWheelEvent*>(pEvento);
    if (pRueda->modifiers() & Qt::ControlModifier) {
      // One step per notch; a touchpad's small turns add up to one.
      F_nRuedaZoom += pRueda->angleDelta().y();
      const int nPasos = F_nRuedaZoom / 120;
      F_nRuedaZoom -= nPasos * 120;
      if (nPasos != 0)
        PasoZoom(nPasos);
      return true;
    }
  }
  return QDialog::eventFilter(pObjeto, pEvento);
}

QBoxLayout* TfrmVistaPrevia::CreaBarras()
{
  auto* barra = F_barra = new QToolBar(this);
  barra->setObjectName("barra");
  barra->setToolButtonStyle(Qt::ToolButtonTextOnly);
  QAction* acImprimir = barra->addAction("Imprimir", this, &TfrmVistaPrevia::Imprime);
  acImprimir->setObjectName("acImprimir");
  acImprimir->setShortcut(QKeySequence::Print);
  QAction* acPDF = barra->addAction("Exportar a PDF", this, &TfrmVistaPrevia::ExportaPDF);
  acPDF->setObjectName("acExportarPDF");
  if (F_documentos.size() > 1) {
    QAction* acSoporte = barra->addAction("Soporte");
    acSoporte->setObjectName("acSoporte");
    acSoporte->setCheckable(true);
    acSoporte->setToolTip("Muestra el soporte de las respuestas; otra vez, el cuestionario");
    connect(acSoporte, &QAction::toggled, this, [this](bool bSoporte) { MuestraDocumento(bSoporte ? 1 : 0); });
  }
  barra->addSeparator();

  barra->addWidget(new QLabel(" Zoom: ", barra));
  F_cbZoom = new QComboBox(barra);
  F_cbZoom->setObjectName("cbZoom");
  F_cbZoom->addItems(CC_ZOOMS);
  connect(F_cbZoom, &QComboBox::textActivated, this, &TfrmVistaPrevia::AplicaZoom);
  barra->addWidget(F_cbZoom);
  barra->addSeparator();

  F_edBuscar = new QLineEdit(barra);
  F_edBuscar->setObjectName("edBuscar");
  F_edBuscar->setPlaceholderText("Texto a buscar");
  F_edBuscar->setMaximumWidth(200);
  connect(F_edBuscar, &QLineEdit::returnPressed, this, &TfrmVistaPrevia::Busca);
  barra->addWidget(F_edBuscar);
  barra->addAction("Buscar", this, &TfrmVistaPrevia::Busca)->setObjectName("acBuscar");
  QAction* acEsquema = barra->addAction("Esquema");
  acEsquema->setObjectName("acEsquema");
  acEsquema->setCheckable(true);
  connect(acEsquema, &QAction::toggled, F_lbEsquema, &QWidget::setVisible);
  barra->addAction("Configurar página", this, &TfrmVistaPrevia::ConfiguraPagina)
      ->setObjectName("acConfigurarPagina");
  CreaHerramientas(barra);

  F_barraNavegador = new QToolBar(this);
  F_barraNavegador->setObjectName("barraNavegador");
  F_barraNavegador->setToolButtonStyle(Qt::ToolButtonTextOnly);
  F_separadorNavegador = F_barraNavegador->addSeparator();
  CreaNavegador(F_barraNavegador);
  F_barraNavegador->addSeparator();
  F_barraNavegador->addAction("Cerrar", this, &QDialog::reject)->setObjectName("acCerrar");

  F_filaBarras = new QBoxLayout(QBoxLayout::LeftToRight);
  F_filaBarras->setSpacing(0);
  F_filaBarras->addWidget(barra);
  F_filaBarras->addWidget(F_barraNavegador, 1);
  return F_filaBarras;
}

void TfrmVistaPrevia::AcomodaBarras()
{
  // One row where both bars fit; on a narrow screen (1024 px) the page counter and
  // "Cerrar" go to a second row rather than behind the bar's overflow button.
  const bool bUnaFila =
      width() >= F_barra->sizeHint().width() + F_barraNavegador->sizeHint().width();
  F_filaBarras->setDirection(bUnaFila ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
  F_separadorNavegador->setVisible(bUnaFila);
}

void TfrmVistaPrevia::CreaHerramientas(QToolBar* pBarra)
{
  auto* menu = new QMenu(this);
  menu->addAction(CC_ANCHO, this, &TfrmVistaPrevia::AjustaAncho);
  menu->addAction(CC_COMPLETA, this, &TfrmVistaPrevia::AjustaPagina);
  QAction* acAcercar = menu->addAction("Acercar", this, &TfrmVistaPrevia::Acerca);
  acAcercar->setObjectName("acAcercar");
  acAcercar->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  QAction* acAlejar = menu->addAction("Alejar", this, &TfrmVistaPrevia::Aleja);
  acAlejar->setObjectName("acAlejar");
  acAlejar->setShortcut(QKeySequence::ZoomOut);
  addAction(acAcercar);  // the keys work with the menu closed
  addAction(acAlejar);
  menu->addAction("Una página", this, [this] { SetDosPaginas(false); });
  menu->addAction("Dos páginas", this, [this] { SetDosPaginas(true); });
  auto* boton = new QToolButton(pBarra);
  boton->setObjectName("bnHerramientas");
  boton->setText("Herramientas");
  boton->setMenu(menu);
  boton->setPopupMode(QToolButton::InstantPopup);
  pBarra->addWidget(boton);
}

void TfrmVistaPrevia::CreaNavegador(QToolBar* pBarra)
{
  const int nTotal = F_paginas.NumeroPaginas();
  pBarra->addAction("<<", this, [this] { IrAPagina(1); })->setToolTip("Primera página");
  pBarra->addAction("<", this, [this] { IrAPagina(PaginaActual() - 1); })->setToolTip("Página anterior");
  F_edPagina = new QSpinBox(pBarra);
  F_edPagina->setObjectName("edPagina");
  F_edPagina->setRange(1, std::max(1, nTotal));
  F_edPagina->setPrefix("Página ");
  F_edPagina->setSuffix(QString(" de %1").arg(nTotal));  // reads "Página 3 de 9"
  connect(F_edPagina, &QSpinBox::valueChanged, this, &TfrmVistaPrevia::IrAPagina);
  pBarra->addWidget(F_edPagina);
  pBarra->addAction(">", this, [this] { IrAPagina(PaginaActual() + 1); })->setToolTip("Página siguiente");
  pBarra->addAction(">>", this, [this] { IrAPagina(F_paginas.NumeroPaginas()); })->setToolTip("Última página");
}

void TfrmVistaPrevia::MuestraDocumento(int nDocumento)
{
  if (nDocumento < 0 || nDocumento >= F_documentos.size())
    return;
  F_nDocumento = nDocumento;
  F_paginas = F_documentos[nDocumento].Paginas.Preparadas();
  setWindowTitle(F_documentos[nDocumento].sNombre);
  const int nTotal = F_paginas.NumeroPaginas();
  {
    const QSignalBlocker bloqueo(F_lbEsquema);
    F_lbEsquema->clear();
    for (int n = 1; n <= nTotal; ++n)
      F_lbEsquema->addItem(QString("Página %1").arg(n));
  }
  {
    const QSignalBlocker bloqueo(F_edPagina);
    F_edPagina->setRange(1, std::max(1, nTotal));
  }
  F_edPagina->setSuffix(QString(" de %1").arg(nTotal));
  F_sResaltar.clear();
  F_nUltimaEncontrada = 0;
  F_vista->SetResaltar({});
  F_nPagina = 1;
  F_vista->Actualiza();
  ReaplicaAjuste();
  IrAPagina(1);
}

void TfrmVistaPrevia::AplicaZoom(const QString& sZoom)
{
  if (sZoom == CC_ANCHO)
    AjustaAncho();
  else if (sZoom == CC_COMPLETA)
    AjustaPagina();
  else {
    F_ajuste = TAjuste::Ninguno;
    FijaZoom(QString(sZoom).remove('%').trimmed().toDouble() / 100);
  }
}

void TfrmVistaPrevia::ReaplicaAjuste()
{
  if (F_ajuste == TAjuste::Ancho)
    AjustaAncho();
  else if (F_ajuste == TAjuste::Pagina)
    AjustaPagina();
}

void TfrmVistaPrevia::FijaZoom(double dZoom)
{
  // The same point of the same page stays at the top of the view.
  const QScopedValueRollback<bool> Nosotros(F_bMoviendo, true);
  const QRect rAntes = F_vista->RectPagina(F_nPagina - 1);
  const double dDentro = rAntes.height() > 0
                             ? double(F_area->verticalScrollBar()->value() - rAntes.top()) / rAntes.height()
                             : 0;
  F_vista->SetZoom(dZoom);
  F_vista->adjustSize();
  const QRect rDespues = F_vista->RectPagina(F_nPagina - 1);
  F_area->verticalScrollBar()->setValue(rDespues.top() + int(dDentro * rDespues.height()));
  MuestraPagina();
}

void TfrmVistaPrevia::PasoZoom(int nPasos)
{
  // From any zoom (a fitted one too) to the next of the list in that direction.
  const double dActual = F_vista->Zoom() * 100;
  int nIndice = -1;
  if (nPasos > 0) {
    for (int i = 0; i < CC_PORCENTAJES.size() && nIndice < 0; ++i)
      if (CC_PORCENTAJES[i] > dActual + 0.5)
        nIndice = i;
    if (nIndice < 0)
      nIndice = int(CC_PORCENTAJES.size()) - 1;
    nIndice = std::min(nIndice + nPasos - 1, int(CC_PORCENTAJES.size()) - 1);
  } else {
    for (int i = int(CC_PORCENTAJES.size()) - 1; i >= 0 && nIndice < 0; --i)
      if (CC_PORCENTAJES[i] < dActual - 0.5)
        nIndice = i;
    if (nIndice < 0)
      nIndice = 0;
    nIndice = std::max(nIndice + nPasos + 1, 0);
  }
  const QString sZoom = QString("%1 %").arg(CC_PORCENTAJES[nIndice]);
  F_cbZoom->setCurrentText(sZoom);
  AplicaZoom(sZoom);
}

void TfrmVistaPrevia::Acerca()
{
  PasoZoom(1);
}

void TfrmVistaPrevia::Aleja()
{
  PasoZoom(-1);
}

void TfrmVistaPrevia::SetDosPaginas(bool bDos)
{
  {
    const QScopedValueRollback<bool> Nosotros(F_bMoviendo, true);
    F_vista->SetDosPaginas(bDos);
  }
  ReaplicaAjuste();
  IrAPagina(F_nPagina);
}

void TfrmVistaPrevia::AjustaAncho()
{
  if (F_paginas.NumeroPaginas() == 0)
    return;
  double dAnchoPagina = 0;  // the widest page fits, so every page does
  for (int n = 0; n < F_paginas.NumeroPaginas(); ++n)
    dAnchoPagina = std::max(dAnchoPagina, F_vista->TamanoPagina(n, 1.0).width());
  const double dPaginas = F_vista->DosPaginas() ? 2 : 1;
  const double dLibre = F_area->viewport()->width() - (dPaginas + 1) * CC_ESPACIO - 2;
  F_ajuste = TAjuste::Ancho;
  F_cbZoom->setCurrentText(CC_ANCHO);
  FijaZoom(dLibre / (dAnchoPagina * dPaginas));
}

void TfrmVistaPrevia::AjustaPagina()
{
  if (F_paginas.NumeroPaginas() == 0)
    return;
  QSizeF mayor;  // the largest page fits whole, so every page does
  for (int n = 0; n < F_paginas.NumeroPaginas(); ++n)
    mayor = mayor.expandedTo(F_vista->TamanoPagina(n, 1.0));
  const double dPaginas = F_vista->DosPaginas() ? 2 : 1;
  const double dAncho = F_area->viewport()->width() - (dPaginas + 1) * CC_ESPACIO - 2;
  const double dAlto = F_area->viewport()->height() - 2 * CC_ESPACIO;
  F_ajuste = TAjuste::Pagina;
  F_cbZoom->setCurrentText(CC_COMPLETA);
  {
    const QScopedValueRollback<bool> Nosotros(F_bMoviendo, true);
    F_vista->SetZoom(std::min(dAncho / (mayor.width() * dPaginas), dAlto / mayor.height()));
  }
  IrAPagina(F_nPagina);  // the whole page in view
}

int TfrmVistaPrevia::PaginaActual() const
{
  return F_nPagina;
}

void TfrmVistaPrevia::ActualizaPagina()
{
  if (F_bMoviendo)
    return;
  const QScrollBar* pBarra = F_area->verticalScrollBar();
  // At the end of the scroll the last row is in view, even when it cannot reach the top.
  const int y = pBarra->maximum() > 0 && pBarra->value() == pBarra->maximum()
                    ? F_vista->height()
                    : pBarra->value() + F_area->viewport()->height() / 3;
  F_nPagina = F_vista->PaginaEn(y) + 1;
  MuestraPagina();
}

void TfrmVistaPrevia::MuestraPagina()
{
  const QSignalBlocker bloqueoContador(F_edPagina);
  F_edPagina->setValue(F_nPagina);
  const QSignalBlocker bloqueoLista(F_lbEsquema);
  F_lbEsquema->setCurrentRow(F_nPagina - 1);
}

void TfrmVistaPrevia::IrAPagina(int nPagina)
{
  if (nPagina < 1 || nPagina > F_paginas.NumeroPaginas())
    return;
  F_nPagina = nPagina;
  {
    const QScopedValueRollback<bool> Nosotros(F_bMoviendo, true);
    F_vista->adjustSize();
    F_area->verticalScrollBar()->setValue(F_vista->RectPagina(nPagina - 1).top() - CC_ESPACIO);
  }
  MuestraPagina();
}

void TfrmVistaPrevia::RecuperaFoco()
{
  activateWindow();
  raise();
  F_area->setFocus();  // Escape, page keys and shortcuts reach the preview again
}

void TfrmVistaPrevia::Busca()
{
  const QString sTexto = F_edBuscar->text().trimmed();
  if (sTexto.isEmpty())
    return;
  if (sTexto.compare(F_sResaltar, Qt::CaseInsensitive) != 0)
    F_nUltimaEncontrada = 0;
  const int nTotal = F_paginas.NumeroPaginas();
  for (int i = 0; i < nTotal; ++i) {
    const int nPagina = (F_nUltimaEncontrada + i) % nTotal;  // next page after the last find
    if (F_paginas.PaginaContiene(nPagina, sTexto)) {
      F_sResaltar = sTexto;
      F_nUltimaEncontrada = nPagina + 1;
      F_vista->SetResaltar(sTexto);
      IrAPagina(nPagina + 1);
      return;
    }
  }
  F_sResaltar.clear();
  F_vista->SetResaltar({});
  QMessageBox::information(this, "Buscar", "No se encontró el texto \"" + sTexto + "\".");
  RecuperaFoco();
}

void TfrmVistaPrevia::ConfiguraPagina()
{
  if (F_paginas.NumeroPaginas() == 0)
    return;
  const TAlSalir Foco([this] { RecuperaFoco(); });
  QPrinter impresora(QPrinter::HighResolution);
  impresora.setOutputFormat(QPrinter::PdfFormat);
  impresora.setPageLayout(F_paginas.Pagina(F_nPagina - 1).layout);
  QPageSetupDialog dialogo(&impresora, this);
  if (dialogo.exec() != QDialog::Accepted)
    return;
  F_paginas.SetLayout(impresora.pageLayout());
  F_vista->Actualiza();
  ReaplicaAjuste();
  IrAPagina(F_nPagina);
}

void TfrmVistaPrevia::Imprime()
{
  const TAlSalir Foco([this] { RecuperaFoco(); });
  const QPrinterInfo predeterminada = QPrinterInfo::defaultPrinter();
  if (predeterminada.isNull()) {
    QMessageBox::warning(this, "Imprimir",
                         "No hay ninguna impresora instalada. Instale una impresora o exporte el "
                         "reporte a PDF.");
    return;
  }
  QPrinter impresora(predeterminada, QPrinter::HighResolution);
  impresora.setDocName(F_documentos[F_nDocumento].sNombre);
  QPrintDialog dialogo(&impresora, this);
  if (dialogo.exec() != QDialog::Accepted)
    return;
  ImprimeReporte(F_paginas, impresora);
}

QString TfrmVistaPrevia::CarpetaPDF()
{
  const QString sCarpeta = QSettings().value(CC_CLAVE_CARPETA).toString();
  if (!sCarpeta.isEmpty() && QDir(sCarpeta).exists())
    return sCarpeta;
  const QString sDocumentos = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return QDir(sDocumentos).exists() ? sDocumentos : QDir::homePath();
}

QString TfrmVistaPrevia::PideRutaPDF()
{
  const TDocumentoVisor& Documento = F_documentos[F_nDocumento];
  const QString sNombre = Documento.Ajustes.sNombreArchivo.isEmpty() ? Documento.sNombre
                                                                    : Documento.Ajustes.sNombreArchivo;
  QString sRuta = QDir(CarpetaPDF()).filePath(
      Documento.sArchivoPropuesto.isEmpty() ? sNombre + ".pdf" : Documento.sArchivoPropuesto);
  for (;;) {
    // Our own question on replacing: Qt's would not see the ".pdf" we add.
    QFileDialog dialogo(this, "Exportar a PDF", sRuta, "Archivo PDF (*.pdf)");
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    dialogo.setProxyModel(new TArchivosEnEspanol(&dialogo));
    dialogo.selectFile(QFileInfo(sRuta).fileName());
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().value(0).isEmpty())
      return {};
    sRuta = dialogo.selectedFiles().value(0);
    if (!sRuta.endsWith(".pdf", Qt::CaseInsensitive))
      sRuta += ".pdf";
    if (!QFileInfo::exists(sRuta))
      return sRuta;
    QMessageBox pregunta(QMessageBox::Question, "Exportar a PDF",
                         "El archivo " + QFileInfo(sRuta).fileName() +
                             " ya existe. ¿Desea reemplazarlo?",
                         QMessageBox::Yes | QMessageBox::No, this);
    pregunta.setObjectName("msgReemplazar");
    pregunta.setDefaultButton(QMessageBox::No);
    if (pregunta.exec() == QMessageBox::Yes)
      return sRuta;
  }
}

void TfrmVistaPrevia::ExportaPDF()
{
  const TAlSalir Foco([this] { RecuperaFoco(); });
  const QString sRuta = PideRutaPDF();
  if (sRuta.isEmpty())
    return;
  QSettings().setValue(CC_CLAVE_CARPETA, QFileInfo(sRuta).absolutePath());
  QProgressDialog progreso("Exportando a PDF...", QString(), 0, F_paginas.NumeroPaginas(), this);
  progreso.setWindowTitle("Exportar a PDF");
  progreso.setWindowModality(Qt::WindowModal);
  progreso.setMinimumDuration(0);
  QString sError;
  const bool bExito = EscribePDF(F_paginas, F_documentos[F_nDocumento].Ajustes, sRuta, sError,
                                 [&progreso](int nPagina, int) { progreso.setValue(nPagina - 1); });
  progreso.setValue(progreso.maximum());
  QMessageBox aviso(bExito ? QMessageBox::Information : QMessageBox::Warning, "Exportar a PDF",
                    bExito ? "El reporte se guardó en el archivo:\n" + QDir::toNativeSeparators(sRuta)
                           : sError,
                    QMessageBox::Ok, this);
  aviso.setObjectName("msgExportado");
  aviso.exec();
}
