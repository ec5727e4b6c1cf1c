#pragma once

#include "report/ModeloReporte.h"

#include <QImage>
#include <QList>
#include <QPainter>
#include <QSize>
#include <QString>
#include <memory>

// A picture of a questionnaire page, drawn in the page's layout units so that the
// table cells can be placed under the template's memos.
class TLienzoPagina {
 public:
  TLienzoPagina(const TPagina& Pagina, QSize pixeles);
  ~TLienzoPagina();

  QRectF Memo(const QString& sNombre) const;
  QRectF Visible() const;  // the part of the frame the image covers
  // Cell edges along one axis: around each span, meeting halfway between neighbours.
  static QList<double> Bordes(const QList<std::pair<double, double>>& tramos, double dHolgura = 1.5);

  void Texto(const QRectF& rect, const QString& sTexto, int nPixeles, bool bNegrita = false,
             int nBanderas = Qt::AlignCenter | Qt::TextWordWrap);
  void Celda(const QRectF& rect, const QString& sTexto = {}, int nPixeles = 12, bool bNegrita = false,
             int nBanderas = Qt::AlignCenter | Qt::TextWordWrap);
  void Encabezado(const QRectF& rect, const QString& sTexto, int nPixeles = 12);
  void Circulo(const QRectF& rect);
  void Linea(QPointF a, QPointF b);

  bool Guarda(const QString& sRuta);

 private:
  const TPagina& F_pagina;
  QRectF F_destino;
  QImage F_imagen;
  std::unique_ptr<QPainter> F_painter;
};
