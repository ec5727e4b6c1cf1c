// generar's answers and the support's figures on a generated back office stay byte for byte
// those recorded before the engine was made faster: a change of speed must never change an
// answer or a figure. Only the support's run facts (path, date, file times and hash) are left
// out of the comparison.
#include "EjecutaPrograma.h"
#include "backoffice-gen/GeneradorBackOffice.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray Lee(const QString& sRuta)
{
  QFile Archivo(sRuta);
  return Archivo.open(QIODevice::ReadOnly) ? Archivo.readAll() : QByteArray();
}

// The support's JSON without its run facts, compact.
QByteArray SinCorrida(const QString& sRuta)
{
  QJsonObject Soporte = QJsonDocument::fromJson(Lee(sRuta)).object();
  Soporte.remove(QStringLiteral("corrida"));
  return QJsonDocument(Soporte).toJson(QJsonDocument::Compact);
}

// One generated back office and one run give both files.
TEST(RespuestasFijas, GenerarDaLasRespuestasYLasCifrasRegistradas)
{
  QTemporaryDir Dir;
  ASSERT_TRUE(Dir.isValid());
  backoffice::GeneraBackOffice(10000, 2016, Dir.path());
  const QString sJson = Dir.filePath(QStringLiteral("respuestas.json"));
  const QString sSoporte = Dir.filePath(QStringLiteral("soporte.json"));
  // The back office's five localities with most operations, most first.
  const TEjecucion Ejecucion = Ejecuta({"generar", "--carpeta", Dir.path(), "--usuario", "ADMIN", "--password", "ADMIN",
                                        "--localidad", "01001002", "--localidad", "03422466", "--localidad", "00101003",
                                        "--localidad", "02401008", "--localidad", "01991002", "--json", sJson,
                                        "--soporte", sSoporte});
  ASSERT_EQ(Ejecucion.nSalida, 0) << qPrintable(Ejecucion.sError);
  EXPECT_EQ(Lee(sJson), Lee(QStringLiteral(ENCUESTA_TEST_DATA "/datos/respuestas_10000_2016.json")));
  EXPECT_EQ(SinCorrida(sSoporte), SinCorrida(QStringLiteral(ENCUESTA_TEST_DATA "/datos/soporte_10000_2016.json")));
}

}  // namespace
