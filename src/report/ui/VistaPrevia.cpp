#include "report/ui/VistaPrevia.h"

#include "report/ExportadorPDF.h"
#include "report/ui/ImpresionReporte.h"
#include "report/ui/PaginasVista.h"

#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QGuiApplication>
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
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QToolBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindowStateChangeEvent>

namespace {

const QStringList CC_ZOOMS{"25 %", "50 %", "75 %", "100 %", "150 %", "200 %", "Ancho de página",
                           "Página completa"};
constexpr int CC_ESPACIO = TPaginasVista::CC_ESPACIO;

}  // namespace

TfrmVistaPrevia::TfrmVistaPrevia(const QList<TDocumentoVisor>& Documentos, QWidget* pPadre)
    : QDialog(pPadre), F_documentos(Documentos), F_paginas(Documentos.value(0).Paginas)
{
  setModal(true);
  setWindowTitle(Documentos.value(0).sNombre);
  setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);

  F_vista = new TPaginasVista(F_paginas);
  F_area = new QScrollArea(this);
  F_area->setWidget(F_vista);
  F_area->setWidgetResizable(true);
  F_area->viewport()->installEventFilter(this);
  connect(F_area->verticalScrollBar(), &QScrollBar::valueChanged, this,
          &TfrmVistaPrevia::ActualizaPagina);
  F_lbEsquema = new QListWidget(this);
  for (int n = 0; n < F_paginas.NumeroPaginas(); ++n)
    F_lbEsquema->addItem(F_paginas.Pagina(n).sNombre);
  F_lbEsquema->setMaximumWidth(200);
  F_lbEsquema->setVisible(false);
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
  layout->addWidget(CreaBarra());
  layout->addWidget(divisor, 1);
  F_cbZoom->setCurrentText("100 %");
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

bool TfrmVistaPrevia::eventFilter(QObject* pObjeto, QEvent* pEvento)
{
  if (pObjeto == F_area->viewport() && pEvento->type() == QEvent::Resize)
    ReaplicaAjuste();
  return QDialog::eventFilter(pObjeto, pEvento);
}

QToolBar* TfrmVistaPrevia::CreaBarra()
{
  auto* barra = new QToolBar(this);
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
  barra->addSeparator();
  CreaNavegador(barra);
  return barra;
}

void TfrmVistaPrevia::CreaHerramientas(QToolBar* pBarra)
{
  auto* menu = new QMenu(this);
  menu->addAction("Ajustar al ancho", this, &TfrmVistaPrevia::AjustaAncho);
  menu->addAction("Página completa", this, &TfrmVistaPrevia::AjustaPagina);
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
  connect(F_edPagina, &QSpinBox::valueChanged, this, &TfrmVistaPrevia::IrAPagina);
  pBarra->addWidget(F_edPagina);
  F_txTotal = new QLabel(QString(" de %1 ").arg(nTotal), pBarra);
  pBarra->addWidget(F_txTotal);
  pBarra->addAction(">", this, [this] { IrAPagina(PaginaActual() + 1); })->setToolTip("Página siguiente");
  pBarra->addAction(">>", this, [this] { IrAPagina(F_paginas.NumeroPaginas()); })->setToolTip("Última página");
}

void TfrmVistaPrevia::MuestraDocumento(int nDocumento)
{
  if (nDocumento < 0 || nDocumento >= F_documentos.size())
    return;
  F_nDocumento = nDocumento;
  F_paginas = F_documentos[nDocumento].Paginas;
  setWindowTitle(F_documentos[nDocumento].sNombre);
  const int nTotal = F_paginas.NumeroPaginas();
  {
    const QSignalBlocker bloqueo(F_lbEsquema);
    F_lbEsquema->clear();
    for (int n = 0; n < nTotal; ++n)
      F_lbEsquema->addItem(F_paginas.Pagina(n).sNombre);
  }
  {
    const QSignalBlocker bloqueo(F_edPagina);
    F_edPagina->setRange(1, std::max(1, nTotal));
  }
  F_txTotal->setText(QString(" de %1 ").arg(nTotal));
  F_sResaltar.clear();
  F_nUltimaEncontrada = 0;
  F_vista->SetResaltar({});
  F_vista->Actualiza();
  ReaplicaAjuste();
  IrAPagina(1);
}

void TfrmVistaPrevia::AplicaZoom(const QString& sZoom)
{
  if (sZoom == "Ancho de página")
    AjustaAncho();
  else if (sZoom == "Página completa")
    AjustaPagina();
  else {
    F_ajuste = TAjuste::Ninguno;
    F_vista->SetZoom(QString(sZoom).remove('%').trimmed().toDouble() / 100);
  }
}

void TfrmVistaPrevia::ReaplicaAjuste()
{
  if (F_ajuste == TAjuste::Ancho)
    AjustaAncho();
  else if (F_ajuste == TAjuste::Pagina)
    AjustaPagina();
}

void TfrmVistaPrevia::SetDosPaginas(bool bDos)
{
  F_vista->SetDosPaginas(bDos);
  ReaplicaAjuste();
}

void TfrmVistaPrevia::AjustaAncho()
{
  if (F_paginas.NumeroPaginas() == 0)
    return;
  const QSizeF pagina = F_vista->TamanoPagina(0, 1.0);
  const double dPaginas = F_vista->DosPaginas() ? 2 : 1;
  const double dLibre = F_area->viewport()->width() - (dPaginas + 1) * CC_ESPACIO - 2;
  F_vista->SetZoom(dLibre / (pagina.width() * dPaginas));
  F_cbZoom->setCurrentText("Ancho de página");
  F_ajuste = TAjuste::Ancho;
}

void TfrmVistaPrevia::AjustaPagina()
{
  if (F_paginas.NumeroPaginas() == 0)
    return;
  const int nPagina = PaginaActual();
  const QSizeF pagina = F_vista->TamanoPagina(nPagina - 1, 1.0);
  const double dPaginas = F_vista->DosPaginas() ? 2 : 1;
  const double dAncho = F_area->viewport()->width() - (dPaginas + 1) * CC_ESPACIO - 2;
  const double dAlto = F_area->viewport()->height() - 2 * CC_ESPACIO;
  F_vista->SetZoom(std::min(dAncho / (pagina.width() * dPaginas), dAlto / pagina.height()));
  F_cbZoom->setCurrentText("Página completa");
  F_ajuste = TAjuste::Pagina;
  IrAPagina(nPagina);
}

int TfrmVistaPrevia::PaginaActual() const
{
  return F_vista->PaginaEn(F_area->verticalScrollBar()->value() + F_area->viewport()->height() / 3) + 1;
}

void TfrmVistaPrevia::ActualizaPagina()
{
  const QSignalBlocker bloqueo(F_edPagina);
  F_edPagina->setValue(PaginaActual());
}

void TfrmVistaPrevia::IrAPagina(int nPagina)
{
  if (nPagina < 1 || nPagina > F_paginas.NumeroPaginas())
    return;
  F_vista->adjustSize();
  F_area->verticalScrollBar()->setValue(F_vista->RectPagina(nPagina - 1).top() - CC_ESPACIO);
  const QSignalBlocker bloqueo(F_edPagina);
  F_edPagina->setValue(nPagina);
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
}

void TfrmVistaPrevia::ConfiguraPagina()
{
  if (F_paginas.NumeroPaginas() == 0)
    return;
  QPrinter impresora(QPrinter::HighResolution);
  impresora.setOutputFormat(QPrinter::PdfFormat);
  impresora.setPageLayout(F_paginas.Pagina(PaginaActual() - 1).layout);
  QPageSetupDialog dialogo(&impresora, this);
  if (dialogo.exec() != QDialog::Accepted)
    return;
  F_paginas.SetLayout(impresora.pageLayout());
  F_vista->Actualiza();
}

void TfrmVistaPrevia::Imprime()
{
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

void TfrmVistaPrevia::ExportaPDF()
{
  const TAjustesPDF ajustes = F_documentos[F_nDocumento].Ajustes;
  const QString sPropuesto =
      (ajustes.sNombreArchivo.isEmpty() ? F_documentos[F_nDocumento].sNombre : ajustes.sNombreArchivo) + ".pdf";
  QString sRuta = QFileDialog::getSaveFileName(this, "Exportar a PDF", sPropuesto,
                                               "Archivo PDF (*.pdf)", nullptr,
                                               QFileDialog::DontUseNativeDialog |
                                                   QFileDialog::DontConfirmOverwrite);
  if (sRuta.isEmpty())
    return;
  if (!sRuta.endsWith(".pdf", Qt::CaseInsensitive))
    sRuta += ".pdf";
  QProgressDialog progreso("Exportando a PDF...", QString(), 0, F_paginas.NumeroPaginas(), this);
  progreso.setWindowTitle("Exportar a PDF");
  progreso.setWindowModality(Qt::WindowModal);
  progreso.setMinimumDuration(0);
  QString sError;
  const bool bExito = EscribePDF(F_paginas, ajustes, sRuta, sError, [&progreso](int nPagina, int) {
    progreso.setValue(nPagina - 1);
  });
  progreso.setValue(progreso.maximum());
  if (!bExito)
    QMessageBox::warning(this, "Exportar a PDF", sError);
}
