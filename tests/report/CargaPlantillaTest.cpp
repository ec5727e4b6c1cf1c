#include "report/CargaPlantilla.h"
#include "report/Reporte.h"

#include <gtest/gtest.h>

namespace {

const QByteArray CC_PLANTILLA = R"({
  "variables": [
    {"categoria": "Cuestionario"},
    {"nombre": "NombreCC", "valor": "'Casa de Cambio'"},
    {"nombre": "preg_1", "valor": null}
  ],
  "paginas": [
    {"nombre": "Página_01", "tamano_mm": [216, 180], "orientacion": "horizontal", "margenes_mm": [10, 10, 10, 10],
     "imagenes": [{"nombre": "imgPreg01", "rect": [0, -3.5, 740.2, 483.4], "dibujo": "Rejilla", "pixeles": [1700, 1283], "centrada": true}],
     "memos": [{"nombre": "txPreg1", "rect": [124.7, 128.5, 67.1, 67.25], "texto": "[preg_1]",
                "fuente": "Arial Narrow", "pixeles": 11, "negrita": false, "color": "#800000", "alineacion": "justificada", "centrado_vertical": true, "rotacion": 20, "ancho_automatico": false}]}
  ]
})";

class CargaPlantillaJson : public ::testing::Test {
 protected:
  void SetUp() override { F_reporte.RegistraDibujo("Rejilla", [](TLienzoPagina&) {}); }
  std::optional<TErrorPlantilla> Carga(const QByteArray& json) { return CargaPlantilla(F_reporte, json); }
  TReporte F_reporte;
};

TEST_F(CargaPlantillaJson, LeeVariablesPaginasImagenesYMemos)
{
  ASSERT_FALSE(Carga(CC_PLANTILLA).has_value());
  EXPECT_EQ(F_reporte.Variables().Entradas(), (QStringList{" Cuestionario", "NombreCC", "preg_1"}));
  EXPECT_EQ(F_reporte.TextoImpreso("NombreCC"), "Casa de Cambio");
  EXPECT_EQ(F_reporte.TextoImpreso("preg_1"), std::nullopt);
  ASSERT_EQ(F_reporte.Paginas().size(), 1);
  const TPagina& pagina = F_reporte.Paginas()[0];
  EXPECT_EQ(pagina.sNombre, "Página_01");
  EXPECT_EQ(pagina.tamanoMm, QSizeF(216, 180));
  EXPECT_EQ(pagina.orientacion, QPageLayout::Landscape);
  EXPECT_EQ(pagina.margenesMm, QMarginsF(10, 10, 10, 10));
  ASSERT_EQ(pagina.imagenes.size(), 1);
  EXPECT_EQ(pagina.imagenes[0].sNombre, "imgPreg01");
  EXPECT_EQ(pagina.imagenes[0].rect, QRectF(0, -3.5, 740.2, 483.4));
  EXPECT_EQ(pagina.imagenes[0].sDibujo, "Rejilla");
  EXPECT_EQ(pagina.imagenes[0].pixeles, QSize(1700, 1283));
  EXPECT_TRUE(pagina.imagenes[0].bCentradaEnMarco);
  ASSERT_EQ(pagina.memos.size(), 1);
  const TMemo& memo = pagina.memos[0];
  EXPECT_EQ(memo.sNombre, "txPreg1");
  EXPECT_EQ(memo.rect, QRectF(124.7, 128.5, 67.1, 67.25));
  EXPECT_EQ(memo.sTexto, "[preg_1]");
  EXPECT_EQ(memo.sFuente, "Arial Narrow");
  EXPECT_EQ(memo.nPixeles, 11);
  EXPECT_FALSE(memo.bNegrita);
  EXPECT_EQ(memo.color, QColor(128, 0, 0));
  EXPECT_EQ(memo.alineacion, TAlineacion::Justificada);
  EXPECT_TRUE(memo.bCentradoVertical);
  EXPECT_EQ(memo.dRotacion, 20);
  EXPECT_FALSE(memo.bAnchoAutomatico);
}

struct TDefecto {
  const char* sCambia;
  const char* sPor;
  const char* sError;
};

class PlantillaDefectuosa : public CargaPlantillaJson, public ::testing::WithParamInterface<TDefecto> {};

TEST_P(PlantillaDefectuosa, DiceDondeYQueYNoDejaNadaCargado)
{
  ASSERT_FALSE(Carga(CC_PLANTILLA).has_value());
  QByteArray json = CC_PLANTILLA;
  ASSERT_TRUE(json.contains(GetParam().sCambia));
  json.replace(GetParam().sCambia, GetParam().sPor);
  const std::optional<TErrorPlantilla> error = Carga(json);
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->Texto().toStdString(), GetParam().sError);
  EXPECT_TRUE(F_reporte.Paginas().isEmpty());
  EXPECT_TRUE(F_reporte.Variables().Entradas().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    CargaPlantilla, PlantillaDefectuosa,
    ::testing::Values(
        TDefecto{"[216, 180],", "[216, 180]", "línea 8: JSON no válido: unterminated object"},
        TDefecto{"[216, 180]", "216", "paginas[0].tamano_mm: se esperaba una lista"},
        TDefecto{"\"imagenes\": [", "\"imagenes\": [3, ", "paginas[0].imagenes[0]: se esperaba un objeto"},
        TDefecto{"\"paginas\"", "\"hojas\"", "paginas: falta este campo"},
        TDefecto{"\"pixeles\": 11", "\"pixeles\": 0", "paginas[0].memos[0].pixeles: se esperaba un entero positivo"},
        TDefecto{"\"negrita\": false, ", "", "paginas[0].memos[0].negrita: falta este campo"},
        TDefecto{"[124.7, 128.5, 67.1, 67.25]", "[124.7, 128.5, 67.1]",
                 "paginas[0].memos[0].rect: se esperaba una lista de 4 elementos"},
        TDefecto{"\"#800000\"", "\"marrón\"", "paginas[0].memos[0].color: color no válido: marrón"},
        TDefecto{"\"justificada\"", "\"derecha\"",
                 "paginas[0].memos[0].alineacion: \"derecha\" no es ninguno de \"izquierda\", \"centro\", \"justificada\""},
        TDefecto{"\"rotacion\": 20", "\"rotacion\": \"20\"", "paginas[0].memos[0].rotacion: se esperaba un número"},
        TDefecto{"\"Rejilla\"", "\"Reja\"", "paginas[0].imagenes[0].dibujo: no hay ningún dibujo llamado \"Reja\""},
        TDefecto{"\"horizontal\"", "\"apaisada\"",
                 "paginas[0].orientacion: \"apaisada\" no es ninguno de \"horizontal\", \"vertical\""},
        TDefecto{"\"nombre\": \"NombreCC\"", "\"nombre\": \"PREG_1\"", "variables[2].nombre: variable repetida: preg_1"},
        TDefecto{"{\"categoria\": \"Cuestionario\"},", "", "variables[0].nombre: variable fuera de toda categoría"},
        TDefecto{"\"valor\": null", "\"valor\": 5", "variables[2].valor: se esperaba un texto"}));

}  // namespace
