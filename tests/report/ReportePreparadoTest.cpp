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
  QImage Pinta(const QString& sResaltar)
  {
    const TReportePreparado preparado({F_pagina}, F_variables);
    QImage imagen(qRound(216 * CC_UNIDADES_POR_MM), qRound(180 * CC_UNIDADES_POR_MM),
                  QImage::Format_RGB32);
    imagen.setDotsPerMeterX(qRound(96 / 0.0254));
    imagen.setDotsPerMeterY(qRound(96 / 0.0254));
    imagen.fill(Qt::white);
    QPainter painter(&imagen);
    preparado.PintaPagina(0, painter, sResaltar);
    return imagen;
  }
  // Memo rectangle on the image: the page's 10 mm margin moves it.
  QRect EnImagen() const
  {
    const double dMargen = 10 * CC_UNIDADES_POR_MM;
    return F_pagina.memos[0].rect.translated(dMargen, dMargen).toRect();
  }
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

TEST_F(Renderizado, NuloNoImprimeNada)
{
  const QImage imagen = Pinta({});
  QImage blanca(imagen.size(), imagen.format());
  blanca.fill(Qt::white);
  EXPECT_EQ(imagen, blanca);
}

}  // namespace
