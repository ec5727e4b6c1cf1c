#include "report/ui/VistaPrevia.h"

#include "report/Reporte.h"
#include "report/ui/ImpresionReporte.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QSpinBox>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QStringList CC_ZOOMS{"25 %", "50 %", "75 %", "100 %", "150 %", "200 %", "Ancho de página",
                           "Página completa"};

// The preview shows every page on one paper size: the largest, so that none is cut.
QPageLayout LayoutMayor(const TReportePreparado& Paginas)
{
  QPageLayout mayor;
  for (int n = 0; n < Paginas.NumeroPaginas(); ++n) {
    const QPageLayout layout = Paginas.Pagina(n).layout;
    if (!mayor.isValid() || layout.fullRect(QPageLayout::Millimeter).height() >
                                mayor.fullRect(QPageLayout::Millimeter).height())
      mayor = layout;
  }
  return mayor;
}

}  // namespace

TfrmVistaPrevia::TfrmVistaPrevia(TReporte& Reporte, QWidget* pPadre)
    : QDialog(pPadre), F_reporte(Reporte), F_paginas(Reporte.Preparado()),
      F_qImpresoraVista(QPrinter::HighResolution)
{
  setModal(true);
  setWindowTitle(Reporte.NombreArchivo());
  setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
  // The preview draws into a PDF-format printer, so it needs no printer installed.
  F_qImpresoraVista.setOutputFormat(QPrinter::PdfFormat);
  F_qImpresoraVista.setFullPage(true);
  F_qImpresoraVista.setPageLayout(LayoutMayor(F_paginas));
  F_qImpresoraVista.setDocName(Reporte.NombreArchivo());

  F_vista = new QPrintPreviewWidget(&F_qImpresoraVista, this);
  connect(F_vista, &QPrintPreviewWidget::paintRequested, this, &TfrmVistaPrevia::PintaPaginas);
  connect(F_vista, &QPrintPreviewWidget::previewChanged, this, &TfrmVistaPrevia::ActualizaPagina);
  F_lbEsquema = new QListWidget(this);
  for (int n = 0; n < F_paginas.NumeroPaginas(); ++n)
    F_lbEsquema->addItem(F_paginas.Pagina(n).sNombre);
  F_lbEsquema->setVisible(false);
  connect(F_lbEsquema, &QListWidget::currentRowChanged, this, [this](int nFila) {
    if (nFila >= 0)
      IrAPagina(nFila + 1);
  });
  auto* divisor = new QSplitter(this);
  divisor->addWidget(F_lbEsquema);
  divisor->addWidget(F_vista);
  divisor->setStretchFactor(1, 1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(CreaBarra());
  layout->addWidget(divisor, 1);

  F_vista->setZoomMode(QPrintPreviewWidget::CustomZoom);
  F_vista->setZoomFactor(1.0);
  F_cbZoom->setCurrentText("100 %");
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
  menu->addAction("Ajustar al ancho", this, [this] {
    F_vista->fitToWidth();
    F_cbZoom->setCurrentText("Ancho de página");
  });
  menu->addAction("Página completa", this, [this] {
    F_vista->fitInView();
    F_cbZoom->setCurrentText("Página completa");
  });
  menu->addAction("Una página", F_vista, &QPrintPreviewWidget::setSinglePageViewMode);
  menu->addAction("Dos páginas", F_vista, &QPrintPreviewWidget::setFacingPagesViewMode);
  auto* boton = new QToolButton(pBarra);
  boton->setObjectName("bnHerramientas");
  boton->setText("Herramientas");
  boton->setMenu(menu);
  boton->setPopupMode(QToolButton::InstantPopup);
  pBarra->addWidget(boton);
}

void TfrmVistaPrevia::CreaNavegador(QToolBar* pBarra)
{
  pBarra->addAction("<<", this, [this] { IrAPagina(1); })->setToolTip("Primera página");
  pBarra->addAction("<", this, [this] { IrAPagina(F_vista->currentPage() - 1); })
      ->setToolTip("Página anterior");
  F_edPagina = new QSpinBox(pBarra);
  F_edPagina->setObjectName("edPagina");
  F_edPagina->setRange(1, std::max(1, F_paginas.NumeroPaginas()));
  connect(F_edPagina, &QSpinBox::valueChanged, this, &TfrmVistaPrevia::IrAPagina);
  pBarra->addWidget(F_edPagina);
  F_txTotal = new QLabel(QString(" de %1 ").arg(F_paginas.NumeroPaginas()), pBarra);
  pBarra->addWidget(F_txTotal);
  pBarra->addAction(">", this, [this] { IrAPagina(F_vista->currentPage() + 1); })
      ->setToolTip("Página siguiente");
  pBarra->addAction(">>", this, [this] { IrAPagina(F_paginas.NumeroPaginas()); })
      ->setToolTip("Última página");
}

void TfrmVistaPrevia::PintaPaginas(QPrinter* pImpresora)
{
  QPainter painter(pImpresora);
  for (int n = 0; n < F_paginas.NumeroPaginas(); ++n) {
    if (n > 0)
      pImpresora->newPage();
    F_paginas.PintaPagina(n, painter, F_sResaltar);
  }
}

void TfrmVistaPrevia::AplicaZoom(const QString& sZoom)
{
  if (sZoom == "Ancho de página") {
    F_vista->fitToWidth();
    return;
  }
  if (sZoom == "Página completa") {
    F_vista->fitInView();
    return;
  }
  F_vista->setZoomMode(QPrintPreviewWidget::CustomZoom);
  F_vista->setZoomFactor(QString(sZoom).remove('%').trimmed().toDouble() / 100);
}

void TfrmVistaPrevia::ActualizaPagina()
{
  if (!F_edPagina)
    return;
  const QSignalBlocker bloqueo(F_edPagina);
  F_edPagina->setValue(F_vista->currentPage());
}

void TfrmVistaPrevia::IrAPagina(int nPagina)
{
  if (nPagina < 1 || nPagina > F_paginas.NumeroPaginas())
    return;
  F_vista->setCurrentPage(nPagina);
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
      F_vista->updatePreview();
      IrAPagina(nPagina + 1);
      return;
    }
  }
  F_sResaltar.clear();
  F_vista->updatePreview();
  QMessageBox::information(this, "Buscar", "No se encontró el texto \"" + sTexto + "\".");
}

void TfrmVistaPrevia::ConfiguraPagina()
{
  QPageSetupDialog dialogo(&F_qImpresoraVista, this);
  if (dialogo.exec() != QDialog::Accepted)
    return;
  F_paginas.SetLayout(F_qImpresoraVista.pageLayout());
  F_qImpresoraVista.setPageLayout(LayoutMayor(F_paginas));
  F_vista->updatePreview();
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
  impresora.setDocName(F_reporte.NombreArchivo());
  QPrintDialog dialogo(&impresora, this);
  if (dialogo.exec() != QDialog::Accepted)
    return;
  ImprimeReporte(F_paginas, impresora);
}

void TfrmVistaPrevia::ExportaPDF()
{
  const TAjustesPDF ajustes = F_reporte.AjustesPDF();
  const QString sPropuesto =
      (ajustes.sNombreArchivo.isEmpty() ? F_reporte.NombreArchivo() : ajustes.sNombreArchivo) + ".pdf";
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
