// Every answer whole inside its cell: the PDF read back word by word.
#include "data/Catalogos.h"
#include "data/PlantillaCuestionario.h"
#include "report/AjusteTexto.h"
#include "report/Reporte.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>

namespace {

struct TPalabraPdf {
  QString sTexto;
  QRectF caja;      // points
  double dLinea;    // top of its line, to put the words of a cell in reading order
};

// Words of one page, from pdftotext -bbox-layout (lines keep their words together).
QList<TPalabraPdf> PalabrasPagina(const QString& sPdf, int nPagina)
{
  QProcess Proceso;
  Proceso.start("pdftotext", {"-bbox-layout", "-f", QString::number(nPagina), "-l",
                              QString::number(nPagina), sPdf, "-"});
  Proceso.waitForFinished(60000);
  const QString sHtml = QString::fromUtf8(Proceso.readAllStandardOutput());
  static const QRegularExpression reElemento(
      R"re(<(line|word) xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*))re");
  QList<TPalabraPdf> Palabras;
  double dLinea = 0;
  for (const QRegularExpressionMatch& m : reElemento.globalMatch(sHtml)) {
    const QRectF caja(QPointF(m.captured(2).toDouble(), m.captured(3).toDouble()),
                      QPointF(m.captured(4).toDouble(), m.captured(5).toDouble()));
    if (m.captured(1) == "line") {
      dLinea = caja.top();
      continue;
    }
    QString sTexto = m.captured(6);
    sTexto.replace("&quot;", "\"").replace("&amp;", "&").replace("&apos;", "'");
    Palabras.append({sTexto, caja, dLinea});
  }
  return Palabras;
}

// A memo's rectangle in points on the page (10 mm margins).
QRectF EnPuntos(const QRectF& rect)
{
  const double dMargen = 10 * CC_UNIDADES_POR_MM;
  return QRectF(rect.translated(dMargen, dMargen).topLeft() * 0.75, rect.size() * 0.75);
}

QString SinBlancos(QString sTexto)
{
  return sTexto.remove(QRegularExpression("\\s"));
}

// The catalogue's longest locality names, as question 5 writes them.
QStringList LocalidadesMasLargas(int nCuantas)
{
  TTablaMemoria Localidades = CargaCatalogo("vLocalidades");
  Localidades.Open();
  QStringList Textos;
  for (Localidades.First(); !Localidades.Eof(); Localidades.Next())
    Textos << Localidades.CampoTexto("Localidad") + " (CLAVE: " + Localidades.CampoTexto("Clave") + ")";
  std::stable_sort(Textos.begin(), Textos.end(),
                   [](const QString& a, const QString& b) { return a.size() > b.size(); });
  return Textos.mid(0, nCuantas);
}

const QString CC_SIN_OPERACIONES = "NO EXISTEN OPERACIONES";
const QString CC_NOMBRE_LARGO =
    "CASA DE CAMBIO DEL NORTE, DEL CENTRO Y DEL SUR DE LA REPÚBLICA MEXICANA Y DE SUS FRONTERAS, "
    "SOCIEDAD ANÓNIMA DE CAPITAL VARIABLE";

class AjusteCeldas : public ::testing::Test {
 protected:
  void SetUp() override
  {
    ASSERT_TRUE(F_carpeta.isValid());
    CargaPlantillaCuestionario(F_reporte);
    F_reporte.SetAjustesPDF(AjustesPDFCuestionario());
    const QStringList Largas = LocalidadesMasLargas(3);
    F_respuestas = {
        {"NombreCC", CC_NOMBRE_LARGO},
        {"preg_5.1.1", "AGUASCALIENTES (CLAVE: 00101003)"},
        {"preg_5.1.2", CC_SIN_OPERACIONES},
        {"preg_5.1.3", CC_SIN_OPERACIONES},
        {"preg_5.1.4", CC_SIN_OPERACIONES},
        {"preg_5.2.1", Largas[0]},
        {"preg_5.2.2", "COMPRA (TOTAL OPS.: 1,234,567)"},
        {"preg_5.2.3", "ORO O PLATINO AMONEDADOS (TOTAL OPS.: 1,234,567)"},
        {"preg_5.2.4", "USD (TOTAL OPS.: 1,234,567)"},
        {"preg_5.3.1", Largas[1]},
        {"preg_5.4.1", Largas[2]},
        {"preg_5.5.1", "TLACOACHISTLAHUACA (CLAVE: 01362002)"},
        {"preg_8.1", "ALERTA POR REBASAR EL PORCENTAJE PERMITIDO EN EL CAMBIO DEL PERFIL "
                     "TRANSACCIONAL (TOTAL ALERTAS: 12,345)"},
        {"preg_8.2", "ALERTA POR REBASAR EL PUNTAJE DEL PÁRAMETRO ESTABLECIDO EN LA MATRIZ DE "
                     "RIESGO (TOTAL ALERTAS: 1)"},
        {"preg_8.3", "ALERTA POR ACUMULAR EL EQUIVALENTE A 5000 DOLARES O MAS EN EL MISMO MES "
                     "(TOTAL ALERTAS: 1)"},
        {"preg_8.4", "NO SE GENERÓ NINGUNA ALERTA EN EL SISTEMA AUTOMATIZADO DESDE EL INICIO DE "
                     "OPERACIONES HASTA LA PRESENTE FECHA"},
        {"preg_8.5", "EL CLIENTE REALIZÓ TRES OPERACIONES EN EL MISMO DÍA EN SUCURSALES DISTINTAS "
                     "POR MONTOS JUSTO DEBAJO DEL UMBRAL DE IDENTIFICACIÓN, LO QUE SUGIERE UN "
                     "FRACCIONAMIENTO DELIBERADO; SE REVISÓ SU PERFIL TRANSACCIONAL Y SE ENVIÓ "
                     "EL REPORTE (TOTAL ALERTAS: 1)"},
    };
    for (const auto& [sVariable, sTexto] : F_respuestas)
      F_reporte.SetVariable("Cuestionario", sVariable, "'" + QString(sTexto).replace("'", "''") + "'");
  }

  QString Exporta()
  {
    const QString sPdf = F_carpeta.filePath("ajuste.pdf");
    QString sError;
    EXPECT_TRUE(F_reporte.ExportaPDF(sPdf, sError)) << sError.toStdString();
    return sPdf;
  }

  QTemporaryDir F_carpeta;
  TReporte F_reporte;
  QList<std::pair<QString, QString>> F_respuestas;
};

// Each answer of the cases, on the questionnaire pages of questions 5 and 8 and at the
// foot of every page: all its words inside its cell's rectangle, all its letters there.
TEST_F(AjusteCeldas, CadaPalabraDentroDeSuCelda)
{
  const QString sPdf = Exporta();
  int nRevisadas = 0;
  for (int nPagina = 2; nPagina <= 9; ++nPagina) {
    const QList<TPalabraPdf> Palabras = PalabrasPagina(sPdf, nPagina);
    for (const TMemo& memo : F_reporte.Paginas()[nPagina - 1].memos) {
      const auto Respuesta = std::find_if(F_respuestas.begin(), F_respuestas.end(), [&](const auto& r) {
        return memo.sTexto == "[" + r.first + "]";
      });
      if (Respuesta == F_respuestas.end())
        continue;
      QRectF celda = EnPuntos(memo.rect);
      if (memo.bAnchoAutomatico)  // grows to its text up to the printable width's edge
        celda.setRight(EnPuntos(QRectF(0, 0, F_reporte.Paginas()[nPagina - 1].AnchoImprimible(), 1)).right());
      const std::string sCaso = memo.sNombre.toStdString();
      // Whatever is drawn near the cell belongs to it; neighbours are farther than 2 pt.
      QList<TPalabraPdf> Propias;
      for (const TPalabraPdf& p : Palabras)
        if (celda.adjusted(-2, -2, 2, 2).contains(p.caja.center()))
          Propias.append(p);
      std::stable_sort(Propias.begin(), Propias.end(), [](const TPalabraPdf& a, const TPalabraPdf& b) {
        return a.dLinea != b.dLinea ? a.dLinea < b.dLinea : a.caja.left() < b.caja.left();
      });
      QString sLeido;
      for (const TPalabraPdf& p : Propias) {
        sLeido += p.sTexto;
        EXPECT_TRUE(celda.adjusted(-0.5, -0.5, 0.5, 0.5).contains(p.caja))
            << sCaso << ": " << p.sTexto.toStdString() << " sale de la celda";
        EXPECT_GE(p.caja.height(), CC_PIXELES_MINIMOS * 0.75 * 0.9)
            << sCaso << ": " << p.sTexto.toStdString() << " más chica que el mínimo";
      }
      EXPECT_EQ(sLeido, SinBlancos(Respuesta->second)) << sCaso;
      ++nRevisadas;
    }
  }
  EXPECT_EQ(nRevisadas, 8 + F_respuestas.size() - 1);  // the company's name on each of 8 pages
}

// Lines break between words; a word breaks only when it alone is wider than the cell.
TEST(AjustaTexto, PalabrasEnterasSalvoLaQueNoCabeSola)
{
  QFont Fuente("Arial Narrow");
  Fuente.setPixelSize(11);
  const QSizeF Celda(59, 65);
  const TTextoAjustado Cabe = AjustaTexto("COMPRA (TOTAL OPS.: 12)", Fuente, Celda);
  EXPECT_EQ(Cabe.dEscala, 1);
  const TTextoAjustado Menor = AjustaTexto(CC_SIN_OPERACIONES, Fuente, Celda);
  EXPECT_LT(Menor.dEscala, 1);
  EXPECT_GE(Menor.dEscala * 11, CC_PIXELES_MINIMOS);
  QStringList Lineas;
  for (const auto& Linea : Menor.lineas)
    Lineas << Linea.sTexto;
  EXPECT_EQ(Lineas, (QStringList{"NO EXISTEN", "OPERACIONES"}));
  const QString sLarga(40, u'W');
  const TTextoAjustado Partida = AjustaTexto("UNA " + sLarga + " MAS", Fuente, Celda);
  EXPECT_NEAR(Partida.dEscala * 11, CC_PIXELES_MINIMOS, 0.01);
  QString sJunta;
  for (const auto& Linea : Partida.lineas)
    sJunta += Linea.sTexto + "|";
  EXPECT_TRUE(sJunta.startsWith("UNA|W")) << sJunta.toStdString();
  EXPECT_TRUE(sJunta.endsWith("W|MAS|")) << sJunta.toStdString();
  EXPECT_EQ(SinBlancos(sJunta.remove('|')), SinBlancos("UNA" + sLarga + "MAS"));
}

}  // namespace
