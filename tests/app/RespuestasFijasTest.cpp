// generar's answers on a generated back office stay byte for byte those recorded before the
// engine was made faster: a change of speed must never change an answer.
#include "EjecutaPrograma.h"
#include "backoffice-gen/GeneradorBackOffice.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray Lee(const QString& sRuta)
{
  QFile Archivo(sRuta);
  return Archivo.open(QIODevice::ReadOnly) ? Archivo.readAll() : QByteArray();
}

TEST(RespuestasFijas, GenerarDaLasRespuestasRegistradas)
{
  QTemporaryDir Dir;
  ASSERT_TRUE(Dir.isValid());
  backoffice::GeneraBackOffice(10000, 2016, Dir.path());
  const QString sJson = Dir.filePath(QStringLiteral("respuestas.json"));
  // The back office's five localities with most operations, most first.
  const TEjecucion Ejecucion = Ejecuta({"generar", "--carpeta", Dir.path(), "--usuario", "ADMIN", "--password", "ADMIN",
                                        "--localidad", "01001002", "--localidad", "03422466", "--localidad", "00101003",
                                        "--localidad", "02401008", "--localidad", "01991002", "--json", sJson});
  ASSERT_EQ(Ejecucion.nSalida, 0) << qPrintable(Ejecucion.sError);
  EXPECT_EQ(Lee(sJson), Lee(QStringLiteral(ENCUESTA_TEST_DATA "/datos/respuestas_10000_2016.json")));
}

}  // namespace
