#pragma once

#include <QFont>
#include <QList>
#include <QSizeF>
#include <QString>

#include "report/ModeloReporte.h"

class QPainter;
class QRectF;

// Answers are drawn no smaller than this, in layout pixels (1/96 inch): 7 px is
// 5.25 pt, still readable in Arial Narrow, the answers' font. Below it a word
// wider than its cell may break inside itself; only a text that fits no other
// way is drawn smaller still, because a shortened answer would be a wrong one.
inline constexpr double CC_PIXELES_MINIMOS = 7;

// A text laid out in a box: every line fits its width, all lines its height.
struct TTextoAjustado {
  struct TLinea {
    QString sTexto;
    bool bFinParrafo = true;  // the last line of a paragraph is never justified
  };
  QFont fuente;       // the font the text is drawn with
  double dEscala = 1;  // the font's size is multiplied by this
  QList<TLinea> lineas;
};

// Lays sTexto (paragraphs separated by LF) in a box of caja: at the font's own
// size when it fits; otherwise smaller, down to CC_PIXELES_MINIMOS, breaking
// lines only between words; then a word too wide for the box at that size is
// broken inside itself.
TTextoAjustado AjustaTexto(const QString& sTexto, const QFont& fuente, const QSizeF& caja);

// Draws the laid-out text inside rect, centred vertically or from the top.
void PintaTextoAjustado(QPainter& Painter, const QRectF& rect, const TTextoAjustado& texto,
                        TAlineacion alineacion, bool bCentradoVertical);
