#pragma once

#include "report/ModeloReporte.h"

#include <QList>
#include <QPainter>
#include <QString>
#include <functional>
#include <stdexcept>

// The canvas a picture drawing paints on: page layout units, clipped to the part of
// the frame the picture covers, so that table cells can be placed under the page's memos.
class TLienzoPagina {
 public:
  TLienzoPagina(QPainter& Painter, const QRectF& visible, const QList<TMemo>& memos);

  QRectF Memo(const QString& sNombre) const;  // throws EDibujo when the page has no such memo
  QRectF Visible() const;                     // the part of the frame the picture covers
  // Cell edges along one axis: around each span, meeting halfway between neighbours.
  static QList<double> Bordes(const QList<std::pair<double, double>>& tramos, double dHolgura = 1.5);

  void Texto(const QRectF& rect, const QString& sTexto, int nPixeles, bool bNegrita = false,
             int nBanderas = Qt::AlignCenter | Qt::TextWordWrap);
  void Celda(const QRectF& rect, const QString& sTexto = {}, int nPixeles = 12, bool bNegrita = false,
             int nBanderas = Qt::AlignCenter | Qt::TextWordWrap);
  void Encabezado(const QRectF& rect, const QString& sTexto, int nPixeles = 12);
  void Circulo(const QRectF& rect);
  void Linea(QPointF a, QPointF b);

 private:
  QPainter& F_painter;
  QRectF F_visible;
  const QList<TMemo>& F_memos;
};

class EDibujo : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A picture's content, drawn in page layout units on the canvas.
using TDibujo = std::function<void(TLienzoPagina&)>;
