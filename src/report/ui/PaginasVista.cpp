#include "report/ui/PaginasVista.h"

#include "report/ReportePreparado.h"

#include <QPaintEvent>
#include <QPainter>

TPaginasVista::TPaginasVista(const TReportePreparado& Paginas, QWidget* pPadre)
    : QWidget(pPadre), F_paginas(Paginas)
{
  setAutoFillBackground(true);
  QPalette paleta = palette();
  paleta.setColor(QPalette::Window, QColor(160, 160, 164));
  setPalette(paleta);
  Distribuye();
}

void TPaginasVista::SetZoom(double dZoom)
{
  F_dZoom = std::clamp(dZoom, 0.1, 5.0);
  Distribuye();
}

double TPaginasVista::Zoom() const
{
  return F_dZoom;
}

void TPaginasVista::SetDosPaginas(bool bDos)
{
  F_bDosPaginas = bDos;
  Distribuye();
}

bool TPaginasVista::DosPaginas() const
{
  return F_bDosPaginas;
}

void TPaginasVista::SetResaltar(const QString& sTexto)
{
  F_sResaltar = sTexto;
  update();
}

void TPaginasVista::Actualiza()
{
  Distribuye();
}

QSizeF TPaginasVista::TamanoPagina(int nPagina, double dZoom) const
{
  const QSizeF mm = F_paginas.Pagina(nPagina).layout.fullRect(QPageLayout::Millimeter).size();
  return mm * CC_UNIDADES_POR_MM * dZoom * logicalDpiX() / 96.0;
}

QRect TPaginasVista::RectPagina(int nPagina) const
{
  return F_rects.value(nPagina);
}

int TPaginasVista::PaginaEn(int y) const
{
  for (int n = int(F_rects.size()) - 1; n >= 0; --n)
    if (F_rects[n].top() - CC_ESPACIO <= y)
      return n;
  return 0;
}

void TPaginasVista::Distribuye()
{
  F_rects.clear();
  const int nPorFila = F_bDosPaginas ? 2 : 1;
  int y = CC_ESPACIO;
  int nAncho = 0;
  QList<QList<QSize>> filas;
  for (int n = 0; n < F_paginas.NumeroPaginas(); n += nPorFila) {
    QList<QSize> fila;
    for (int k = n; k < std::min(n + nPorFila, F_paginas.NumeroPaginas()); ++k)
      fila.append(TamanoPagina(k, F_dZoom).toSize());
    int nAnchoFila = CC_ESPACIO;
    for (const QSize& t : fila)
      nAnchoFila += t.width() + CC_ESPACIO;
    nAncho = std::max(nAncho, nAnchoFila);
    filas.append(fila);
  }
  // Lay out for the width the scroll area will give us, without waiting for its resize.
  const int nAnchoFinal = std::max(nAncho, parentWidget() ? parentWidget()->width() : width());
  for (const QList<QSize>& fila : filas) {
    int nAnchoFila = -CC_ESPACIO;
    int nAlto = 0;
    for (const QSize& t : fila) {
      nAnchoFila += t.width() + CC_ESPACIO;
      nAlto = std::max(nAlto, t.height());
    }
    int x = (nAnchoFinal - nAnchoFila) / 2;
    for (const QSize& t : fila) {
      F_rects.append(QRect(QPoint(x, y), t));
      x += t.width() + CC_ESPACIO;
    }
    y += nAlto + CC_ESPACIO;
  }
  setMinimumSize(nAncho, y);
  resize(nAnchoFinal, y);
  update();
}

void TPaginasVista::resizeEvent(QResizeEvent* pEvento)
{
  QWidget::resizeEvent(pEvento);
  Distribuye();
}

void TPaginasVista::paintEvent(QPaintEvent* pEvento)
{
  QPainter painter(this);
  for (int n = 0; n < F_rects.size(); ++n) {
    const QRect rect = F_rects[n];
    if (!pEvento->rect().intersects(rect.adjusted(0, 0, 3, 3)))
      continue;
    painter.fillRect(rect.translated(3, 3), QColor(90, 90, 90));
    painter.fillRect(rect, Qt::white);
    painter.save();
    painter.setClipRect(rect);
    painter.translate(rect.topLeft());
    painter.scale(F_dZoom, F_dZoom);
    F_paginas.PintaPagina(n, painter, F_sResaltar);
    painter.restore();
  }
}
