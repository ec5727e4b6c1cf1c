#include "report/LienzoPagina.h"

namespace {
const QColor CC_GRIS_ENCABEZADO(217, 217, 217);
}

TLienzoPagina::TLienzoPagina(QPainter& Painter, const QRectF& visible, const QList<TMemo>& memos)
    : F_painter(Painter), F_visible(visible), F_memos(memos)
{
}

QRectF TLienzoPagina::Memo(const QString& sNombre) const
{
  for (const TMemo& memo : F_memos)
    if (memo.sNombre == sNombre)
      return memo.rect;
  throw EDibujo("la página no tiene el memo " + sNombre.toStdString());
}

QRectF TLienzoPagina::Visible() const
{
  return F_visible;
}

QList<double> TLienzoPagina::Bordes(const QList<std::pair<double, double>>& tramos, double dHolgura)
{
  QList<double> bordes{tramos.first().first - dHolgura};
  for (qsizetype i = 1; i < tramos.size(); ++i)
    bordes.append((tramos[i - 1].second + tramos[i].first) / 2);
  bordes.append(tramos.last().second + dHolgura);
  return bordes;
}

void TLienzoPagina::Texto(const QRectF& rect, const QString& sTexto, int nPixeles, bool bNegrita,
                          int nBanderas)
{
  QFont fuente("Arial");
  fuente.setPixelSize(nPixeles);
  fuente.setBold(bNegrita);
  fuente.setHintingPreference(QFont::PreferNoHinting);  // the same line breaks at every zoom
  F_painter.setFont(fuente);
  F_painter.setPen(Qt::black);
  F_painter.drawText(rect, nBanderas, sTexto);
}

void TLienzoPagina::Celda(const QRectF& rect, const QString& sTexto, int nPixeles, bool bNegrita,
                          int nBanderas)
{
  F_painter.setPen(QPen(Qt::black, 0.8));
  F_painter.setBrush(Qt::NoBrush);
  F_painter.drawRect(rect);
  if (!sTexto.isEmpty())
    Texto(rect.adjusted(3, 1, -3, -1), sTexto, nPixeles, bNegrita, nBanderas);
}

void TLienzoPagina::Encabezado(const QRectF& rect, const QString& sTexto, int nPixeles)
{
  F_painter.fillRect(rect, CC_GRIS_ENCABEZADO);
  Celda(rect, sTexto, nPixeles, true);
}

void TLienzoPagina::Circulo(const QRectF& rect)
{
  F_painter.setPen(QPen(Qt::black, 0.8));
  F_painter.setBrush(Qt::NoBrush);
  F_painter.drawEllipse(rect);
}

void TLienzoPagina::Linea(QPointF a, QPointF b)
{
  F_painter.setPen(QPen(Qt::black, 0.8));
  F_painter.drawLine(a, b);
}
