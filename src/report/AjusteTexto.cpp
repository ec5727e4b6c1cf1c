#include "report/AjusteTexto.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QRectF>

#include <optional>

namespace {

constexpr double CC_PASO = 0.98;            // each try is 2% smaller than the one before
constexpr double CC_ESCALA_EXTREMA = 0.05;  // a text that fits at no size stops here
constexpr double CC_HOLGURA = 0.5;          // layout units kept free at the right edge

using TLineas = QList<TTextoAjustado::TLinea>;

// The widths a fitting measures, kept for its next tries: each try, a little smaller,
// breaks the same words into lines again, mostly the same ones (measuring shapes the text).
class TAnchos {
 public:
  explicit TAnchos(const QFontMetricsF& Medidas) : F_Medidas(Medidas) {}
  double De(const QString& sTexto)
  {
    auto it = F_anchos.constFind(sTexto);
    if (it == F_anchos.cend())
      it = F_anchos.insert(sTexto, F_Medidas.horizontalAdvance(sTexto));
    return *it;
  }

 private:
  const QFontMetricsF& F_Medidas;
  QHash<QString, double> F_anchos;
};

// A word wider than dAncho cut into pieces that fit (at least one letter each).
QStringList PartePalabra(const QString& sPalabra, TAnchos& Anchos, double dAncho)
{
  QStringList Partes;
  QString sParte;
  for (const QChar Letra : sPalabra) {
    if (!sParte.isEmpty() && Anchos.De(sParte + Letra) > dAncho) {
      Partes << sParte;
      sParte.clear();
    }
    sParte += Letra;
  }
  Partes << sParte;
  return Partes;
}

// Greedy lines, breaking between words; nothing when a word is too wide and may not be broken.
std::optional<TLineas> Rompe(const QString& sTexto, TAnchos& Anchos, double dAncho,
                             bool bPartirPalabras)
{
  TLineas Lineas;
  for (const QString& sParrafo : sTexto.split(u'\n')) {
    QString sLinea;
    for (const QString& sPalabra : sParrafo.split(u' ', Qt::SkipEmptyParts)) {
      QStringList Piezas{sPalabra};
      if (Anchos.De(sPalabra) > dAncho) {
        if (!bPartirPalabras)
          return std::nullopt;
        Piezas = PartePalabra(sPalabra, Anchos, dAncho);
      }
      for (qsizetype i = 0; i < Piezas.size(); ++i) {
        const QString sJunto = sLinea.isEmpty() ? Piezas[i]
                               : i == 0         ? sLinea + u' ' + Piezas[i]
                                                : sLinea + Piezas[i];
        if (sLinea.isEmpty() || Anchos.De(sJunto) <= dAncho) {
          sLinea = sJunto;
        } else {
          Lineas.append({sLinea, false});
          sLinea = Piezas[i];
        }
      }
    }
    Lineas.append({sLinea, true});
  }
  return Lineas;
}

double AltoLineas(qsizetype nLineas, const QFontMetricsF& Medidas)
{
  return (nLineas - 1) * Medidas.lineSpacing() + Medidas.height();
}

}  // namespace

TTextoAjustado AjustaTexto(const QString& sTexto, const QFont& fuente, const QSizeF& caja)
{
  const QFontMetricsF Medidas(fuente);
  const double dPixeles = fuente.pixelSize() > 0 ? fuente.pixelSize() : Medidas.height();
  const double dMinima = std::min(1.0, CC_PIXELES_MINIMOS / dPixeles);
  TAnchos Anchos(Medidas);
  // Laid out at the font's own size in a box enlarged by 1/scale: widths scale with the font.
  const auto Prueba = [&](double dEscala, bool bPartir) -> std::optional<TLineas> {
    const double dAncho = caja.width() / dEscala - CC_HOLGURA;
    std::optional<TLineas> Lineas = Rompe(sTexto, Anchos, dAncho, bPartir);
    if (Lineas && AltoLineas(Lineas->size(), Medidas) > caja.height() / dEscala)
      return std::nullopt;
    return Lineas;
  };
  for (double dEscala = 1; dEscala >= dMinima; dEscala *= CC_PASO)
    if (auto Lineas = Prueba(dEscala, false))
      return {fuente, dEscala, *Lineas};
  double dEscala = dMinima;
  for (; dEscala > CC_ESCALA_EXTREMA; dEscala *= CC_PASO)
    if (auto Lineas = Prueba(dEscala, true))
      return {fuente, dEscala, *Lineas};
  return {fuente, dEscala, *Rompe(sTexto, Anchos, caja.width() / dEscala - CC_HOLGURA, true)};
}

void PintaTextoAjustado(QPainter& Painter, const QRectF& rect, const TTextoAjustado& texto,
                        TAlineacion alineacion, bool bCentradoVertical)
{
  const QFontMetricsF Medidas(texto.fuente);
  const double dAncho = rect.width() / texto.dEscala;
  const double dAlto = AltoLineas(texto.lineas.size(), Medidas);
  double y = bCentradoVertical ? (rect.height() / texto.dEscala - dAlto) / 2 : 0;
  Painter.save();
  Painter.translate(rect.topLeft());
  Painter.scale(texto.dEscala, texto.dEscala);
  Painter.setFont(texto.fuente);
  for (const TTextoAjustado::TLinea& Linea : texto.lineas) {
    const double dBase = y + Medidas.ascent();
    const QStringList Palabras = Linea.sTexto.split(u' ');
    if (alineacion == TAlineacion::Justificada && !Linea.bFinParrafo && Palabras.size() > 1) {
      double dLetras = 0;
      for (const QString& sPalabra : Palabras)
        dLetras += Medidas.horizontalAdvance(sPalabra);
      const double dHueco = (dAncho - CC_HOLGURA - dLetras) / (Palabras.size() - 1);
      double x = 0;
      for (const QString& sPalabra : Palabras) {
        Painter.drawText(QPointF(x, dBase), sPalabra);
        x += Medidas.horizontalAdvance(sPalabra) + dHueco;
      }
    } else {
      const double dLinea = Medidas.horizontalAdvance(Linea.sTexto);
      const double x = alineacion == TAlineacion::Centro ? (dAncho - dLinea) / 2 : 0;
      Painter.drawText(QPointF(x, dBase), Linea.sTexto);
    }
    y += Medidas.lineSpacing();
  }
  Painter.restore();
}
