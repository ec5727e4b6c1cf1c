#include "data/PlantillaCuestionario.h"
#include "report/Reporte.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

TEST(PlantillaCuestionario, LaPlantillaCompiladaCargaSinErrorYReemplazaLaAnterior)
{
  TReporte reporte;
  reporte.AgregaPagina(TPagina{"Vieja", QSizeF(100, 100)});
  reporte.Variables().AgregaCategoria("Otra");
  const std::optional<TErrorPlantilla> error = CargaPlantillaCuestionario(reporte);
  EXPECT_FALSE(error) << error->Texto().toStdString();
  EXPECT_EQ(reporte.Paginas().size(), 9);
  EXPECT_EQ(reporte.Paginas().first().sNombre, "Aviso");
  EXPECT_EQ(reporte.Variables().Entradas().size(), 127);
}

TEST(PlantillaCuestionario, VariablesEnSuOrden)
{
  TReporte reporte;
  CargaPlantillaCuestionario(reporte);
  const QStringList nombres = reporte.NombresVariables();
  ASSERT_EQ(nombres.size(), 126);
  EXPECT_EQ(reporte.Variables().Entradas().first(), " Cuestionario");
  const QStringList esperados{"NombreCC", "preg_5.1.1", "preg_5.4.4", "preg_8.1", "preg_8.10",
                              "preg_17.1.1", "preg_17.5.2", "preg_18.1.1", "preg_18.1.2.1",
                              "preg_18.5.3.3", "preg_19.1.1", "preg_19.5.3", "preg_20_SI",
                              "preg_20_NO", "preg_20.1.1", "preg_20.5.4", "preg_21.1", "preg_22.2",
                              "preg_7.1.1", "preg_7.4.2", "preg_5.5.1", "preg_5.5.4"};
  const QList<int> posiciones{0, 1, 16, 17, 26, 27, 36, 37, 38, 71, 72, 86, 87, 88, 89, 108, 109,
                              113, 114, 121, 122, 125};
  for (int i = 0; i < esperados.size(); ++i)
    EXPECT_EQ(nombres[posiciones[i]], esperados[i]) << posiciones[i];
  EXPECT_EQ(QSet<QString>(nombres.begin(), nombres.end()).size(), 126);
  EXPECT_EQ(reporte.TextoImpreso("NombreCC"), "Centro Cambiario de Prueba, S.A. de C.V.");
  EXPECT_EQ(reporte.TextoImpreso("preg_5.1.1"), std::nullopt);
}

TEST(PlantillaCuestionario, PaginasYMemos)
{
  TReporte reporte;
  CargaPlantillaCuestionario(reporte);
  QStringList paginas;
  QStringList variablesMostradas;
  for (const TPagina& pagina : reporte.Paginas()) {
    paginas.append(QString("%1 %2x%3").arg(pagina.sNombre).arg(pagina.tamanoMm.width()).arg(
        pagina.tamanoMm.height()));
    EXPECT_EQ(pagina.imagenes.size(), pagina.sNombre == "Aviso" ? 0 : 1) << pagina.sNombre.toStdString();
    for (const TMemo& memo : pagina.memos)
      if (memo.sTexto.startsWith('['))
        variablesMostradas.append(memo.sTexto.mid(1, memo.sTexto.size() - 2));
  }
  EXPECT_EQ(paginas, (QStringList{"Aviso 216x160", "Página_01 216x180", "Página_08 216x160",
                                  "Página_02 216x180", "Página_03 216x180", "Página_04 216x180",
                                  "Página_05 216x180", "Página_06 216x160", "Página_07 216x180"}));
  // Every answer variable in exactly one memo; the company name on the eight questionnaire pages.
  EXPECT_EQ(variablesMostradas.count("NombreCC"), 8);
  variablesMostradas.removeAll("NombreCC");
  QStringList respuestas = reporte.NombresVariables().mid(1);
  variablesMostradas.sort();
  respuestas.sort();
  EXPECT_EQ(variablesMostradas, respuestas);
}

TEST(PlantillaCuestionario, AjustesPDF)
{
  const TAjustesPDF ajustes = AjustesPDFCuestionario();
  EXPECT_EQ(ajustes.sNombreArchivo, "CuestionarioCNBV_2015");
  EXPECT_EQ(ajustes.sTitulo, "Cuestionario CNBV 2015");
  EXPECT_EQ(ajustes.sAsunto, "Cuestionario CNBV 2015");
  EXPECT_EQ(ajustes.sAutor, "Tolvex");
}

}  // namespace

namespace {

TEST(PlantillaCuestionario, RestauraLosValoresDeLaPlantilla)
{
  TReporte reporte;
  CargaPlantillaCuestionario(reporte);
  const QStringList nombres = reporte.NombresVariables();
  reporte.SetVariable("Cuestionario", "NombreCC", "'Casa de Cambio Sol, S.A.'");
  reporte.SetVariable("Cuestionario", "preg_8.1", "'ALERTA'");
  reporte.SetVariable("Cuestionario", "preg_99.1", "'NUEVA'");
  EXPECT_EQ(reporte.NombresVariables().last(), "preg_99.1");
  reporte.RestauraValoresIniciales();
  EXPECT_EQ(reporte.NombresVariables(), nombres);
  EXPECT_EQ(reporte.TextoImpreso("NombreCC"), "Centro Cambiario de Prueba, S.A. de C.V.");
  EXPECT_EQ(reporte.TextoImpreso("preg_8.1"), std::nullopt);
}

// A run may print its own fixed text in a memo; the next restore brings the template's back.
TEST(PlantillaCuestionario, TextoDeUnMemoParaUnaCorrida)
{
  TReporte reporte;
  CargaPlantillaCuestionario(reporte);
  const QString sAviso = reporte.TextoMemo("txAviso");
  EXPECT_TRUE(sAviso.startsWith("NOTA 1: Si cuenta con sucursales"));
  reporte.SetTextoMemo("txAviso", "CONSOLIDADO");
  EXPECT_EQ(reporte.TextoMemo("txAviso"), "CONSOLIDADO");
  EXPECT_EQ(reporte.Prepara().Pagina(0).memos.first().sTexto, "CONSOLIDADO");
  EXPECT_EQ(reporte.Paginas().first().memos.first().sTexto, sAviso);
  reporte.RestauraValoresIniciales();
  EXPECT_EQ(reporte.Prepara().Pagina(0).memos.first().sTexto, sAviso);
  EXPECT_EQ(reporte.TextoMemo("noExiste"), "");
}

}  // namespace

namespace {

TEST(PlantillaCuestionario, ImagenesDibujadasConSuTamanoLogico)
{
  TReporte reporte;
  CargaPlantillaCuestionario(reporte);
  QStringList imagenes;
  for (const TPagina& pagina : reporte.Paginas())
    for (const TImagen& imagen : pagina.imagenes) {
      EXPECT_TRUE(reporte.Dibujos().contains(imagen.sDibujo)) << imagen.sDibujo.toStdString();
      imagenes.append(QString("%1 %2 %3x%4").arg(imagen.sNombre, imagen.sDibujo)
                          .arg(imagen.pixeles.width()).arg(imagen.pixeles.height()));
    }
  EXPECT_EQ(imagenes, (QStringList{"imgPreg05 Pregunta05 1700x1283", "imgPreg07 Pregunta07 1700x875",
                                   "imgPreg08 Pregunta08 1700x1061", "imgPreg17 Pregunta17 1275x554",
                                   "imgPreg18 Pregunta18 1275x1090", "imgPreg19 Pregunta19 1275x570",
                                   "imgPreg20 Pregunta20 1275x786",
                                   "imgPreg2122 Preguntas21y22 1700x1133"}));
}

}  // namespace
