// The support of the answers from the real program: a back office with planted orphans
// (operations without client, clients without city or sector, currencies without group or
// without a row) and a tie of two alert descriptions, read back from the JSON and the PDF.
#include <gtest/gtest.h>

#include "EjecutaPrograma.h"
#include "mdbgen/EscritorMdb.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

const QStringList CC_CLAVES = {"00101003", "00101027", "00102002", "00103002", "00103003"};

class Soporte : public ::testing::Test {
 protected:
  void SetUp() override
  {
    QFile Fuente(QStringLiteral(ENCUESTA_TEST_DATA "/datos/tolvex_soporte.json"));
    ASSERT_TRUE(Fuente.open(QIODevice::ReadOnly));
    QDir(F_dir.path()).mkpath(QStringLiteral("DataBase"));
    mdbgen::EscribeDesdeJson(Fuente.readAll(), Mdb());
    QFile Ini(F_dir.filePath("Tolvex.INI"));
    ASSERT_TRUE(Ini.open(QIODevice::WriteOnly));
    Ini.write("[Control]\r\nEmpresaActiva=1\r\n");
  }
  QString Mdb() const { return F_dir.filePath("DataBase/Tolvex.mdb"); }
  QString Salida(const QString& sNombre) const { return F_dir.filePath(sNombre); }
  QStringList Argumentos(const QStringList& Salidas) const
  {
    QStringList Args = {"generar", "--carpeta", F_dir.path(), "--usuario", "ADMIN", "--password", "ADMIN"};
    for (const QString& sClave : CC_CLAVES)
      Args << "--localidad" << sClave;
    return Args + Salidas;
  }
  QString Sha256() const
  {
    QFile Archivo(Mdb());
    Archivo.open(QIODevice::ReadOnly);
    return QString::fromLatin1(QCryptographicHash::hash(Archivo.readAll(), QCryptographicHash::Sha256).toHex());
  }

  QTemporaryDir F_dir;
};

// Question, reason key, operations, of them the walk-in public; and distinct operations.
struct TFueraEsperado {
  const char* sPregunta;
  QList<std::tuple<QString, int, int>> Motivos;
  int nDistintas;
};

const QList<TFueraEsperado>& FueraEsperado()
{
  static const QList<TFueraEsperado> Esperado = {
      {"5", {{"sin_cliente", 3, 0}, {"ciudad_desconocida", 3, 2}, {"sin_divisa", 1, 0}, {"divisa_sin_grupo", 2, 0}}, 8},
      {"7", {}, 0},
      {"8", {}, 0},
      {"17", {{"sin_cliente", 2, 0}, {"ciudad_desconocida", 3, 2}}, 5},
      {"18", {{"sin_cliente", 2, 0}, {"ciudad_desconocida", 3, 2}, {"sin_divisa", 1, 0}}, 6},
      {"19", {{"sin_cliente", 3, 0}, {"sector_desconocido", 1, 0}, {"sin_divisa", 1, 0}}, 5},
      {"20", {{"sin_cliente", 3, 0}, {"sector_desconocido", 1, 0}, {"sin_divisa", 1, 0}}, 5},
      {"21", {{"sin_divisa", 1, 0}}, 1},
      {"22", {{"sin_cliente", 3, 0}, {"sector_desconocido", 1, 0}}, 4},
  };
  return Esperado;
}

const QString CC_ALERTA1 = QStringLiteral("ALERTA POR ACUMULAR 5000 DOLARES O MAS EN EL MISMO MES");
const QString CC_ALERTA2 =
    QStringLiteral("ALERTA POR REBASAR EL PUNTAJE DEL PÁRAMETRO ESTABLECIDO EN LA MATRIZ DE RIESGO");

TEST_F(Soporte, JsonDaCadaMotivoYElEmpate)
{
  const TEjecucion R = Ejecuta(Argumentos({"--json", Salida("r.json"), "--soporte", Salida("s.json")}));
  ASSERT_EQ(R.nSalida, 0) << R.sError.toStdString();
  EXPECT_TRUE(R.sError.trimmed().endsWith(
      "Soporte: 10 operaciones quedaron fuera de alguna pregunta; detalle en " + Salida("s.json")))
      << R.sError.toStdString();
  QFile Archivo(Salida("s.json"));
  ASSERT_TRUE(Archivo.open(QIODevice::ReadOnly));
  const QJsonObject S = QJsonDocument::fromJson(Archivo.readAll()).object();
  EXPECT_EQ(S["operaciones_fuera_de_alguna_pregunta"].toInt(), 10);
  EXPECT_EQ(S["corrida"]["back_offices"][0]["sha256"].toString(), Sha256());
  EXPECT_EQ(S["corrida"]["usuario"].toString(), "ADMIN");
  const QJsonArray Preguntas = S["preguntas"].toArray();
  ASSERT_EQ(Preguntas.size(), FueraEsperado().size());
  for (int i = 0; i < Preguntas.size(); ++i) {
    const TFueraEsperado& Esperado = FueraEsperado()[i];
    const QJsonObject P = Preguntas[i].toObject();
    ASSERT_EQ(P["pregunta"].toString(), Esperado.sPregunta);
    const QJsonArray Motivos = P["fuera"]["motivos"].toArray();
    ASSERT_EQ(Motivos.size(), Esperado.Motivos.size()) << Esperado.sPregunta;
    for (int m = 0; m < Motivos.size(); ++m) {
      const auto& [sClave, nOps, nPublico] = Esperado.Motivos[m];
      EXPECT_EQ(Motivos[m]["clave"].toString(), sClave) << Esperado.sPregunta;
      EXPECT_EQ(Motivos[m]["operaciones"].toInt(), nOps) << Esperado.sPregunta << " " << sClave.toStdString();
      EXPECT_EQ(Motivos[m]["publico_en_general"].toInt(), nPublico) << Esperado.sPregunta;
    }
    EXPECT_EQ(P["fuera"]["operaciones_distintas"].toInt(), Esperado.nDistintas) << Esperado.sPregunta;
  }
  // The missing client key is an example of its reason.
  EXPECT_TRUE(Preguntas[3]["fuera"]["motivos"][0]["ejemplos"][0].toString().startsWith("999 (2 operaciones"));
  // Question 21's one reason, alone in its query, gives its example as well.
  EXPECT_TRUE(Preguntas[7]["notas"].toArray().isEmpty())
      << QJsonDocument(Preguntas[7]["notas"].toArray()).toJson().toStdString();
  EXPECT_EQ(Preguntas[7]["fuera"]["motivos"][0]["ejemplos"].toArray().size(), 1);
  // Question 8: two descriptions with 3 alerts each; the questionnaire shows both, in the engine's order.
  const QJsonObject Ranking8 = Preguntas[2]["rankings"][0].toObject();
  const QJsonArray Empates = Ranking8["empates"].toArray();
  ASSERT_EQ(Empates.size(), 1);
  QStringList Valores = Empates[0]["valores"].toVariant().toStringList();
  EXPECT_EQ(Empates[0]["mostrados"].toVariant().toStringList(), Valores);
  EXPECT_TRUE(Empates[0]["explicacion"].toString().startsWith("Empate: «" + Valores.value(0)));
  Valores.sort();
  EXPECT_EQ(Valores, (QStringList{CC_ALERTA1, CC_ALERTA2}));
}

// The PDF as a reader sees it: every reason's count on the row of its words, the tie, the file's hash.
TEST_F(Soporte, PdfLeidoConPdftotext)
{
  const TEjecucion R = Ejecuta(Argumentos({"--soporte", Salida("s.pdf")}));
  ASSERT_EQ(R.nSalida, 0) << R.sError.toStdString();
  QProcess Texto;
  Texto.start("pdftotext", {"-layout", Salida("s.pdf"), "-"});
  Texto.waitForFinished(60000);
  const QString sTexto = QString::fromUtf8(Texto.readAllStandardOutput());
  EXPECT_TRUE(sTexto.contains(Sha256())) << sTexto.toStdString();
  EXPECT_TRUE(sTexto.contains("10 operaciones quedaron fuera de alguna pregunta"));
  const QMap<QString, QString> Palabras = {{"sin_cliente", "sin cliente"},
                                           {"ciudad_desconocida", "ciudad desconocida"},
                                           {"sin_divisa", "sin divisa"},
                                           {"divisa_sin_grupo", "divisa sin grupo"},
                                           {"sector_desconocido", "sector desconocido"}};
  for (int i = 0; i < FueraEsperado().size(); ++i) {
    const TFueraEsperado& Esperado = FueraEsperado()[i];
    const qsizetype nDesde = sTexto.indexOf(QStringLiteral("Pregunta %1.").arg(Esperado.sPregunta));
    ASSERT_GE(nDesde, 0) << Esperado.sPregunta;
    const qsizetype nHasta = i + 1 < FueraEsperado().size()
                                 ? sTexto.indexOf(QStringLiteral("Pregunta %1.").arg(FueraEsperado()[i + 1].sPregunta))
                                 : sTexto.indexOf("Apéndice");
    const QString sSeccion = sTexto.mid(nDesde, nHasta - nDesde);
    for (const auto& [sClave, nOps, nPublico] : Esperado.Motivos) {
      const QRegularExpression reFila("^\\s*" + Palabras[sClave] + "\\s+" + QString::number(nOps) + "\\s",
                                      QRegularExpression::MultilineOption);
      EXPECT_TRUE(reFila.match(sSeccion).hasMatch()) << Esperado.sPregunta << " " << sClave.toStdString() << "\n"
                                                      << sSeccion.toStdString();
    }
    if (Esperado.Motivos.isEmpty())
      EXPECT_TRUE(sSeccion.contains("Ninguna operación queda fuera")) << Esperado.sPregunta;
    else
      EXPECT_TRUE(QRegularExpression("distintas \\(total\\)\\s+" + QString::number(Esperado.nDistintas) + "\\s")
                      .match(sSeccion)
                      .hasMatch())
          << Esperado.sPregunta;
  }
  const QString sPlano = QString(sTexto).replace(QRegularExpression("\\s+"), " ");
  EXPECT_TRUE(sPlano.contains("empate")) << sTexto.toStdString();
  EXPECT_TRUE(sPlano.contains(CC_ALERTA1));
  EXPECT_TRUE(sPlano.contains(CC_ALERTA2));
  EXPECT_TRUE(sPlano.contains("2 son del público en general"));
}

struct TCasoSoporte {
  const char* sNombre;
  QStringList Soportes;
  const char* sMensaje;
};

class SoporteEntrada : public Soporte, public ::testing::WithParamInterface<TCasoSoporte> {};

// Refused before any work, as --pdf is.
TEST_P(SoporteEntrada, Sale2)
{
  QStringList Salidas;
  for (QString sRuta : GetParam().Soportes)
    Salidas << "--soporte" << sRuta.replace("$D", F_dir.path());
  const TEjecucion R = Ejecuta(Argumentos(Salidas));
  EXPECT_EQ(R.nSalida, 2) << R.sError.toStdString();
  EXPECT_TRUE(R.sError.contains(QString::fromUtf8(GetParam().sMensaje))) << R.sError.toStdString();
  EXPECT_FALSE(R.sError.contains("Conectando")) << R.sError.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Casos, SoporteEntrada,
    ::testing::Values(TCasoSoporte{"Extension", {"$D/s.txt"}, "--soporte debe terminar en .pdf o en .json"},
                      TCasoSoporte{"DosPdf", {"$D/a.pdf", "$D/b.PDF"}, "--soporte se da una vez por formato"},
                      TCasoSoporte{"CarpetaInexistente", {"$D/no/s.pdf"}, "La carpeta de --soporte no existe"}),
    [](const auto& Info) { return std::string(Info.param.sNombre); });

}  // namespace
