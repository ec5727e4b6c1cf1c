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

// The question statements drawn on each questionnaire page, as words joined by blanks.
const QList<std::pair<int, QStringList>> CC_ENUNCIADOS{
    {2, {"5.- Indique cuáles son las 5 localidades que el centro cambiario considera de mayor riesgo "
         "en materia de LD/FT, donde 1 es la de mayor riesgo, y enliste para cada una de ellas: el "
         "tipo de operación predominante, el tipo de instrumento monetario predominante y la moneda "
         "principalmente utilizada en las operaciones registradas en dichas localidades; así como "
         "las 3 principales características de riesgo asociadas a cada zona geográfica."}},
    {3, {"7.- Considerando el número de alertas de riesgo que se activaron en cada trimestre del año "
         "2014, posterior a un proceso de análisis, indique cuántos casos se consideraron para el "
         "envío de reportes de operaciones inusuales."}},
    {4, {"8.- De acuerdo al sistema de monitoreo con que cuenta el centro cambiario, enliste las 10 "
         "alertas con mayor incidencia, donde 1 es la más recurrente."}},
    {5, {"17.- Indique cuáles son las 5 localidades que mayor número de operaciones registraron "
         "durante el año 2014."}},
    {6, {"18.- Indique cuáles son las 5 localidades que mayor monto operaron durante el año 2014, "
         "para cada localidad puede incluir hasta 3 monedas."}},
    {7, {"19.- Indique cuáles son las 5 divisas con mayor monto operado por VENTA DE DIVISAS durante "
         "el año 2014, es decir, las divisas que más vendió el centro cambiario a sus usuarios "
         "durante el año; por cada una de ellas, mencione el número de operaciones de venta de "
         "divisas registradas en el año y el monto total operado por la venta de cada divisa."}},
    {8, {"20.- Indique si durante el año 2014, el centro cambiario tuvo que recurrir a otros Sujetos "
         "Obligados (del sector financiero o actividades vulnerables) para solventar sus "
         "necesidades de operación (oferta/demanda) de divisas (incluyendo M.N.).",
         "En caso afirmativo, mencione los cinco tipos de sujetos obligados a los que recurre "
         "principalmente para solventar dichas necesidades, junto con la moneda principal por tipo "
         "de institución y el principal tipo de operación predominante que realizan con ella."}},
    {9, {"21.- Indique cuántas de las operaciones registradas en el año 2014, se realizaron dentro "
         "de los siguientes umbrales.",
         "22.- De las operaciones registradas durante el año 2014, indiqué cuántas fueron "
         "realizadas por usuarios de nacionalidad extranjera."}}};

TEST_F(PdfCuestionario, CadaPaginaLlevaSusEnunciadosComoTexto)
{
  const QString sPdf = Exporta();
  for (const auto& [nPagina, enunciados] : CC_ENUNCIADOS) {
    const QString sTexto = TextoPagina(Palabras(sPdf, nPagina));
    for (const QString& sEnunciado : enunciados)
      EXPECT_TRUE(sTexto.contains(sEnunciado)) << nPagina << ": " << sTexto.toStdString();
  }
}

TEST_F(PdfCuestionario, SinRespuestasCeldasVaciasConElNombreYLasNotas)
{
  const QString sPdf = Exporta();
  EXPECT_EQ(TextoPagina(Palabras(sPdf, 1)).left(52), "NOTA 1: Si cuenta con sucursales deberá obtener el r");
  for (const auto& pagina : CC_PAGINAS) {
    const QList<TPalabra> palabras = Palabras(sPdf, pagina.first);
    EXPECT_TRUE(TextoPagina(palabras).contains("Centro Cambiario de Prueba, S.A. de C.V."))
        << pagina.first;
    for (const TMemo& memo : F_reporte.Paginas()[pagina.first - 1].memos)
      if (memo.sTexto.startsWith("[preg_"))
        for (const TPalabra& p : palabras)
          EXPECT_FALSE(EnPuntos(memo.rect).contains(p.caja))
              << memo.sNombre.toStdString() << ": " << p.sTexto.toStdString();
  }
  EXPECT_TRUE(TextoPagina(Palabras(sPdf, 5))
                  .contains("NOTA: No se consideran Operaciones registradas a \"PÚBLICO EN GENERAL\" "
                            "ya que no cuenta con una Localidad asignada. Centro Cambiario de "
                            "Prueba, S.A. de C.V."));
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
  // The system's reason, in Spanish.
  EXPECT_EQ(sError, "No se pudo escribir el archivo PDF \"/no/existe/carpeta/x.pdf\": no existe el "
                    "archivo o la carpeta");
}

}  // namespace
