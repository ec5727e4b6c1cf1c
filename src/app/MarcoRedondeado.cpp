#include "app/MarcoRedondeado.h"

#include <QPainter>

TMarcoRedondeado::TMarcoRedondeado(QWidget* Padre, const QColor& cContorno)
    : QWidget(Padre), F_cContorno(cContorno)
{
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TMarcoRedondeado::paintEvent(QPaintEvent*)
{
  QPainter pintor(this);
  pintor.setRenderHint(QPainter::Antialiasing);
  pintor.setPen(QPen(F_cContorno, 1));
  pintor.setBrush(Qt::NoBrush);
  // Corner ellipses a quarter of the shorter side wide, as the classic rounded shape.
  const qreal dRadio = std::min(width(), height()) / 8.0;
  pintor.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), dRadio, dRadio);
}
