// The support's figures on a generated back office stay byte for byte those recorded: a change
// of the engine's speed must never change a figure. Only the run's facts (path, date, file
// times and hash) are left out of the comparison.
#include "EjecutaPrograma.h"
#include "backoffice-gen/GeneradorBackOffice.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The support's JSON without its run facts, compact.
QByteArray SinCorrida(const QString& sRuta)
{
  QFile Archivo(sRuta);
  if (!Archivo.open(QIODevice::ReadOnly))
    return {};
  QJsonObject Soporte = QJsonDocument::fromJson(Archivo.readAll()).object();
  Soporte.remove(QStringLiteral("corrida"));
  return QJsonDocument(Soporte).toJson(QJsonDocument::Compact);
}

TEST(SoporteFijo, GenerarDaLasCifrasRegistradas)
{
  QTemporaryDir Dir;
  ASSERT_TRUE(Dir.isValid());
  backoffice::GeneraBackOffice(10000, 2016, Dir.path());
  const QString sJson = Dir.filePath(QStringLiteral("soporte.json"));
  const TEjecucion Ejecucion = Ejecuta({"generar", "--carpeta", Dir.path(), "--usuario", "ADMIN", "--password", "ADMIN",
                                        "--localidad", "01001002", "--localidad", "03422466", "--localidad", "00101003",
                                        "--localidad", "02401008", "--localidad", "01991002", "--soporte", sJson});
  ASSERT_EQ(Ejecucion.nSalida, 0) << qPrintable(Ejecucion.sError);
  EXPECT_EQ(SinCorrida(sJson), SinCorrida(QStringLiteral(ENCUESTA_TEST_DATA "/datos/soporte_10000_2016.json")));
}

}  // namespace
