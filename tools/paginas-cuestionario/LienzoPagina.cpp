#include "LienzoPagina.h"

#include <stdexcept>

namespace {
const QColor CC_GRIS_ENCABEZADO(217, 217, 217);
}

TLienzoPagina::TLienzoPagina(const TPagina& Pagina, QSize pixeles)
    : F_pagina(Pagina), F_imagen(pixeles, QImage::Format_RGB32)
{
  const TImagen& marco = Pagina.imagenes.at(0);
  const QSizeF escalado = QSizeF(pixeles).scaled(marco.rect.size(), Qt::KeepAspectRatio);
  F_destino = QRectF(marco.rect.topLeft(), escalado);
  if (marco.bCentradaEnMarco)
    F_destino.moveCenter(marco.rect.center());
  F_imagen.fill(Qt::white);
  F_painter = std::make_unique<QPainter>(&F_imagen);
  F_painter->setRenderHint(QPainter::Antialiasing);
  F_painter->setRenderHint(QPainter::TextAntialiasing);
  const double dEscala = pixeles.width() / F_destino.width();
  F_painter->scale(dEscala, dEscala);
  F_painter->translate(-F_destino.topLeft());
}

TLienzoPagina::~TLienzoPagina() = default;

QRectF TLienzoPagina::Memo(const QString& sNombre) const
{
  for (const TMemo& memo : F_pagina.memos)
    if (memo.sNombre == sNombre)
      return memo.rect;
  throw std::runtime_error("memo desconocido: " + sNombre.toStdString());
}

QRectF TLienzoPagina::Visible() const
{
  return F_destino;
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
  F_painter->setFont(fuente);
  F_painter->setPen(Qt::black);
  F_painter->drawText(rect, nBanderas, sTexto);
}

void TLienzoPagina::Celda(const QRectF& rect, const QString& sTexto, int nPixeles, bool bNegrita,
                          int nBanderas)
{
  F_painter->setPen(QPen(Qt::black, 0.8));
  F_painter->setBrush(Qt::NoBrush);
  F_painter->drawRect(rect);
  if (!sTexto.isEmpty())
    Texto(rect.adjusted(3, 1, -3, -1), sTexto, nPixeles, bNegrita, nBanderas);
}

void TLienzoPagina::Encabezado(const QRectF& rect, const QString& sTexto, int nPixeles)
{
  F_painter->fillRect(rect, CC_GRIS_ENCABEZADO);
  Celda(rect, sTexto, nPixeles, true);
}

void TLienzoPagina::Circulo(const QRectF& rect)
{
  F_painter->setPen(QPen(Qt::black, 0.8));
  F_painter->setBrush(Qt::NoBrush);
  F_painter->drawEllipse(rect);
}

void TLienzoPagina::Linea(QPointF a, QPointF b)
{
  F_painter->setPen(QPen(Qt::black, 0.8));
  F_painter->drawLine(a, b);
}

bool TLienzoPagina::Guarda(const QString& sRuta)
{
  F_painter->end();
  return F_imagen.save(sRuta, "JPG", 90);
}
