#include "report/ReportePreparado.h"
#include "report/VariablesReporte.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace {

// One 216 x 180 mm page with one centred answer memo, drawn at 96 dpi.
class Renderizado : public ::testing::Test {
 protected:
  void SetUp() override
  {
    F_variables.AgregaCategoria("Cuestionario");
    F_variables.AgregaVariable("preg_1", std::nullopt);
    TMemo memo;
    memo.sNombre = "txPreg1";
    memo.rect = QRectF(100, 100, 200, 40);
    memo.sTexto = "[preg_1]";
    memo.alineacion = TAlineacion::Centro;
    memo.bCentradoVertical = true;
    F_pagina.sNombre = "Página_01";
    F_pagina.tamanoMm = QSizeF(216, 180);
    F_pagina.memos.append(memo);
  }
  QImage Pinta(const QString& sResaltar, const QMap<QString, TDibujo>& dibujos = {})
  {
    const TReportePreparado preparado({F_pagina}, F_variables, dibujos);
    QImage imagen(qRound(216 * CC_UNIDADES_POR_MM), qRound(180 * CC_UNIDADES_POR_MM),
                  QImage::Format_RGB32);
    imagen.setDotsPerMeterX(qRound(96 / 0.0254));
    imagen.setDotsPerMeterY(qRound(96 / 0.0254));
    imagen.fill(Qt::white);
    QPainter painter(&imagen);
    preparado.PintaPagina(0, painter, sResaltar);
    return imagen;
  }
  // A rectangle of the page on the image: the page's 10 mm margin moves it.
  static QRect EnImagen(const QRectF& rect)
  {
    const double dMargen = 10 * CC_UNIDADES_POR_MM;
    return rect.translated(dMargen, dMargen).toRect();
  }
  QRect EnImagen() const { return EnImagen(F_pagina.memos[0].rect); }
  TVariablesReporte F_variables;
  TPagina F_pagina;
};

TEST_F(Renderizado, ElTextoQuedaDentroDeSuMemoYResaltaAlBuscar)
{
  F_variables.SetVariable("Cuestionario", "preg_1", "'MONTERREY'");
  const QImage normal = Pinta({});
  const QImage resaltada = Pinta("monterrey");
  const QRect memo = EnImagen();
  int nTinta = 0;
  int nTintaFuera = 0;
  for (int y = 0; y < normal.height(); ++y)
    for (int x = 0; x < normal.width(); ++x)
      if (qGray(normal.pixel(x, y)) < 128)
        ++(memo.contains(x, y) ? nTinta : nTintaFuera);
  EXPECT_GT(nTinta, 50);
  EXPECT_EQ(nTintaFuera, 0);
  EXPECT_EQ(normal.pixelColor(memo.topLeft() + QPoint(3, 3)), QColor(Qt::white));
  const QColor fondo = resaltada.pixelColor(memo.topLeft() + QPoint(3, 3));
  EXPECT_GT(fondo.red(), 200);
  EXPECT_LT(fondo.blue(), 150);
}

// Bounds of whatever is not white (thin lines are antialiased to light greys).
QRect Tinta(const QImage& imagen)
{
  QRect tinta;
  for (int y = 0; y < imagen.height(); ++y)
    for (int x = 0; x < imagen.width(); ++x)
      if (qGray(imagen.pixel(x, y)) < 250)
        tinta |= QRect(x, y, 1, 1);
  return tinta;
}

TEST_F(Renderizado, ElDibujoSeAjustaASuMarcoConservandoLaProporcionYNoSaleDeEl)
{
  // A 2:1 logical picture in a square frame: scaled to the frame's width, then centred.
  F_pagina.imagenes.append({"imgPrueba", QRectF(300, 200, 200, 200), "Prueba", QSize(1000, 500), true});
  QRectF visto;
  QRectF celda;
  const TDibujo Dibujo = [&](TLienzoPagina& l) {
    visto = l.Visible();
    celda = l.Memo("txPreg1");
    l.Celda(visto.adjusted(-50, -50, 50, 50));  // drawn past the frame: clipped
    l.Linea(visto.topLeft(), visto.bottomRight());
  };
  const QImage imagen = Pinta({}, {{"Prueba", Dibujo}});
  EXPECT_EQ(visto, QRectF(300, 250, 200, 100));
  EXPECT_EQ(celda, F_pagina.memos[0].rect);
  const QRect tinta = Tinta(imagen);
  EXPECT_TRUE(EnImagen(visto).adjusted(-1, -1, 1, 1).contains(tinta)) << tinta.x() << "," << tinta.y();
  EXPECT_GT(tinta.width(), 190);
}

TEST_F(Renderizado, SinRegistrarElMarcoQuedaEnBlancoYUnMemoQueFaltaDetieneElDibujo)
{
  F_pagina.imagenes.append({"imgPrueba", QRectF(300, 200, 200, 200), "Prueba", QSize(100, 100), false});
  const TDibujo Dibujo = [](TLienzoPagina& l) {
    l.Linea(l.Visible().topLeft(), l.Visible().bottomRight());
    l.Celda(l.Memo("txNoExiste"));
  };
  EXPECT_GT(Tinta(Pinta({}, {{"Prueba", Dibujo}})).width(), 190);  // drawn up to the failure
  EXPECT_TRUE(Tinta(Pinta({}, {{"Otro", Dibujo}})).isEmpty());
}

TEST_F(Renderizado, NuloNoImprimeNada)
{
  const QImage imagen = Pinta({});
  QImage blanca(imagen.size(), imagen.format());
  blanca.fill(Qt::white);
  EXPECT_EQ(imagen, blanca);
}

}  // namespace
