#include "data/PlantillaCuestionario.h"
#include "report/Reporte.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

QString Ejecuta(const QString& sPrograma, const QStringList& argumentos)
{
  QProcess proceso;
  proceso.start(sPrograma, argumentos);
  proceso.waitForFinished(60000);
  return QString::fromUtf8(proceso.readAllStandardOutput());
}

struct TPalabra {
  QString sTexto;
  QRectF caja;  // points
};

// Words of one page with their boxes, as pdftotext reads them.
QList<TPalabra> Palabras(const QString& sPdf, int nPagina)
{
  const QString sHtml = Ejecuta("pdftotext", {"-bbox", "-f", QString::number(nPagina), "-l",
                                              QString::number(nPagina), sPdf, "-"});
  static const QRegularExpression rePalabra(
      R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
  QList<TPalabra> palabras;
  for (const QRegularExpressionMatch& m : rePalabra.globalMatch(sHtml)) {
    QString sTexto = m.captured(5);
    sTexto.replace("&quot;", "\"").replace("&amp;", "&").replace("&lt;", "<").replace("&gt;", ">");
    palabras.append({sTexto, QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                    QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
  }
  return palabras;
}

QString TextoPagina(const QList<TPalabra>& palabras)
{
  QStringList textos;
  for (const TPalabra& p : palabras)
    textos.append(p.sTexto);
  return textos.join(' ');
}

// A memo's rectangle in points on the page (10 mm margins).
QRectF EnPuntos(const QRectF& rect)
{
  const double dMargen = 10 * CC_UNIDADES_POR_MM;
  return QRectF(rect.translated(dMargen, dMargen).topLeft() * 0.75, rect.size() * 0.75);
}

class PdfCuestionario : public ::testing::Test {
 protected:
  void SetUp() override
  {
    ASSERT_TRUE(F_carpeta.isValid());
    CargaPlantillaCuestionario(F_reporte);
    F_reporte.SetAjustesPDF(AjustesPDFCuestionario());
    F_reporte.SetNombreArchivo("Encuesta GAFI 2016");
  }
  QString Exporta()
  {
    const QString sPdf = F_carpeta.filePath("CuestionarioCNBV_2015.pdf");
    QString sError;
    EXPECT_TRUE(F_reporte.ExportaPDF(sPdf, sError)) << sError.toStdString();
    EXPECT_EQ(sError, "");
    return sPdf;
  }
  QTemporaryDir F_carpeta;
  TReporte F_reporte;
};

// A recognisable value per variable; the yes/no marks have room for one letter.
QString Reconocible(const QString& sVariable)
{
  if (sVariable == "preg_20_SI" || sVariable == "preg_20_NO")
    return sVariable.right(2).left(1);
  return "R" + sVariable.mid(5);
}

// Each questionnaire page, 1-based in the document, with the prefix of its variables.
const QList<std::pair<int, QStringList>> CC_PAGINAS{
    {2, {"preg_5."}}, {3, {"preg_7."}}, {4, {"preg_8."}}, {5, {"preg_17."}}, {6, {"preg_18."}},
    {7, {"preg_19."}}, {8, {"preg_20"}}, {9, {"preg_21.", "preg_22."}}};

TEST_F(PdfCuestionario, CadaRespuestaEnSuCeldaYSuPagina)
{
  for (const QString& sNombre : F_reporte.NombresVariables().mid(1))
    F_reporte.SetVariable("Cuestionario", sNombre, "'" + Reconocible(sNombre) + "'");
  const QString sPdf = Exporta();
  for (const auto& [nPagina, prefijos] : CC_PAGINAS) {
    const QList<TPalabra> palabras = Palabras(sPdf, nPagina);
    const TPagina& pagina = F_reporte.Paginas()[nPagina - 1];
    int nRespuestas = 0;
    for (const TMemo& memo : pagina.memos) {
      if (!memo.sTexto.startsWith("[preg_"))
        continue;
      const QString sVariable = memo.sTexto.mid(1, memo.sTexto.size() - 2);
      EXPECT_TRUE(std::any_of(prefijos.begin(), prefijos.end(),
                              [&](const QString& p) { return sVariable.startsWith(p); }))
          << sVariable.toStdString();
      const QString sEsperado = Reconocible(sVariable);
      const auto it = std::find_if(palabras.begin(), palabras.end(),
                                   [&](const TPalabra& p) { return p.sTexto == sEsperado; });
      ASSERT_NE(it, palabras.end()) << sEsperado.toStdString() << " page " << nPagina;
      EXPECT_TRUE(EnPuntos(memo.rect).adjusted(-1, -1, 1, 1).contains(it->caja))
          << sEsperado.toStdString();
      ++nRespuestas;
    }
    EXPECT_GT(nRespuestas, 0);
  }
}

TEST_F(PdfCuestionario, SinRespuestasSoloElNombreYLasNotas)
{
  const QString sPdf = Exporta();
  EXPECT_EQ(TextoPagina(Palabras(sPdf, 1)).left(52), "NOTA 1: Si cuenta con sucursales deberá obtener el r");
  for (const auto& pagina : CC_PAGINAS)
    EXPECT_TRUE(TextoPagina(Palabras(sPdf, pagina.first))
                    .endsWith("Centro Cambiario de Prueba, S.A. de C.V."))
        << pagina.first;
  EXPECT_EQ(TextoPagina(Palabras(sPdf, 3)), "Centro Cambiario de Prueba, S.A. de C.V.");
  EXPECT_EQ(TextoPagina(Palabras(sPdf, 8)), "Centro Cambiario de Prueba, S.A. de C.V.");
  EXPECT_EQ(TextoPagina(Palabras(sPdf, 5)),
            "NOTA: No se consideran Operaciones registradas a \"PÚBLICO EN GENERAL\" ya que no "
            "cuenta con una Localidad asignada. Centro Cambiario de Prueba, S.A. de C.V.");
}

TEST_F(PdfCuestionario, LineasCrLfYNombreLargoEnUnaLinea)
{
  F_reporte.SetVariable("Cuestionario", "preg_18.1.1", "MÉRIDA\r\n(CLAVE: 31050)");
  const QString sNombre =
      "Casa de Cambio del Norte y del Sur de la República Mexicana, Sociedad Anónima de Capital Variable";
  F_reporte.SetVariable("Cuestionario", "NombreCC", "'" + sNombre + "'");
  const QString sPdf = Exporta();
  const QList<TPalabra> palabras = Palabras(sPdf, 6);
  const auto Palabra = [&](const QString& s) {
    return *std::find_if(palabras.begin(), palabras.end(), [&](const TPalabra& p) { return p.sTexto == s; });
  };
  const QRectF celda = EnPuntos(F_reporte.Paginas()[5].memos[0].rect);
  EXPECT_LT(Palabra("MÉRIDA").caja.bottom(), Palabra("(CLAVE:").caja.top() + 1);
  EXPECT_TRUE(celda.contains(Palabra("MÉRIDA").caja));
  EXPECT_TRUE(celda.contains(Palabra("31050)").caja));
  const TPalabra primera = Palabra("Casa");
  const TPalabra ultima = Palabra("Variable");
  EXPECT_NEAR(primera.caja.top(), ultima.caja.top(), 0.5);
  EXPECT_NEAR(primera.caja.left(), 10 * 72 / 25.4 + 2 * 0.75, 1.5);
  EXPECT_GT(ultima.caja.right(), EnPuntos(QRectF(0, 0, 214.48825, 1)).right());
  EXPECT_TRUE(TextoPagina(palabras).endsWith(sNombre));
}

TEST_F(PdfCuestionario, DocumentoNuevePaginasTamanosEInformacion)
{
  const QString sPdf = Exporta();
  const QString sInfo = Ejecuta("pdfinfo", {"-f", "1", "-l", "9", sPdf});
  EXPECT_TRUE(sInfo.contains(QRegularExpression("^Title: +Cuestionario CNBV 2015\n")));
  EXPECT_TRUE(sInfo.contains(QRegularExpression("\nSubject: +Cuestionario CNBV 2015\n")));
  EXPECT_TRUE(sInfo.contains(QRegularExpression("\nAuthor: +Tolvex\n")));
  EXPECT_TRUE(sInfo.contains(QRegularExpression("\nEncrypted: +no\n")));
  EXPECT_TRUE(sInfo.contains(QRegularExpression("\nPages: +9\n")));
  QStringList tamanos;
  static const QRegularExpression reTamano(R"(Page +(\d+) size: +([\d.]+) x ([\d.]+) pts)");
  for (const QRegularExpressionMatch& m : reTamano.globalMatch(sInfo))
    tamanos.append(QString("%1:%2x%3").arg(m.captured(1)).arg(qRound(m.captured(2).toDouble())).arg(
        qRound(m.captured(3).toDouble())));
  EXPECT_EQ(tamanos, (QStringList{"1:612x454", "2:612x510", "3:612x454", "4:612x510", "5:612x510",
                                  "6:612x510", "7:612x510", "8:612x454", "9:612x510"}));
}

TEST_F(PdfCuestionario, RutaInvalidaDaError)
{
  QString sError;
  EXPECT_FALSE(F_reporte.ExportaPDF("/no/existe/carpeta/x.pdf", sError));
  EXPECT_EQ(sError, "No se pudo escribir el archivo PDF \"/no/existe/carpeta/x.pdf\".");
}

}  // namespace
