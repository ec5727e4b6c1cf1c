// jetsql: CSV of one Jet query, exit status 1 with the error's class and message.
#include "mdbgen/EscritorMdb.h"

#include <gtest/gtest.h>
#include <QDateTime>
#include <QProcess>
#include <QTemporaryDir>

namespace {

using mdbgen::TTipo;

struct TSalida {
  int nCodigo;
  QString sSalida;
  QString sError;
};

TSalida Jetsql(const QStringList& Argumentos) {
  QProcess Proceso;
  Proceso.start(QStringLiteral(ENCUESTA_BUILD_DIR "/jetsql"), Argumentos);
  EXPECT_TRUE(Proceso.waitForFinished(60000));
  return {Proceso.exitStatus() == QProcess::NormalExit ? Proceso.exitCode() : -1,
          QString::fromUtf8(Proceso.readAllStandardOutput()), QString::fromUtf8(Proceso.readAllStandardError())};
}

class JetsqlArchivo : public testing::Test {
 protected:
  void SetUp() override {
    mdbgen::TEscritorMdb Escritor(Ruta(), QStringLiteral("voduzu"));
    Escritor.IniciaTabla(QStringLiteral("tDatos"),
                         {{"Id", TTipo::Long}, {"Nombre", TTipo::Text, 40}, {"Importe", TTipo::Currency},
                          {"Tasa", TTipo::Double}, {"Fecha", TTipo::DateTime}, {"Activo", TTipo::Boolean}});
    Escritor.AgregaFila({qint64(1), QStringLiteral("Pérez, \"Juan\""), mdbgen::TMoneda{12345000}, 0.1 + 0.2,
                         QDateTime(QDate(2014, 12, 31), QTime(23, 59, 59)), true});
    Escritor.AgregaFila({qint64(2), QString(), mdbgen::TMoneda{-5}, 13.29, QDateTime(QDate(1850, 6, 15), QTime(12, 0)), false});
    Escritor.AgregaFila({qint64(3), {}, {}, {}, {}, false});
    Escritor.TerminaTabla();
    Escritor.Termina();
  }
  QString Ruta() const { return F_Dir.filePath(QStringLiteral("datos.mdb")); }
  QTemporaryDir F_Dir;
};

TEST_F(JetsqlArchivo, ImprimeCsv) {
  const TSalida Salida = Jetsql({"--password", "voduzu", Ruta(), "SELECT * FROM tDatos ORDER BY Id"});
  EXPECT_EQ(Salida.nCodigo, 0) << Salida.sError.toStdString();
  EXPECT_EQ(Salida.sSalida.toStdString(),
            "Id,Nombre,Importe,Tasa,Fecha,Activo\n"
            "1,\"Pérez, \"\"Juan\"\"\",1234.5,0.30000000000000004,2014-12-31 23:59:59,-1\n"
            "2,,-0.0005,13.29,1850-06-15 12:00:00,0\n"
            "3,,,,,0\n");
  EXPECT_EQ(Salida.sError, QString());
}

TEST_F(JetsqlArchivo, PasswordFaltanteOIncorrecto) {
  for (const QStringList& Argumentos : {QStringList{Ruta(), "SELECT Id FROM tDatos"},
                                        QStringList{"--password", "Voduzu", Ruta(), "SELECT Id FROM tDatos"}}) {
    const TSalida Salida = Jetsql(Argumentos);
    EXPECT_EQ(Salida.nCodigo, 1);
    EXPECT_EQ(Salida.sSalida, QString());
    EXPECT_EQ(Salida.sError,
              QStringLiteral("EConexionADO - No se puede abrir la base de datos \"%1\": contraseña no válida.\n").arg(Ruta()));
  }
}

TEST_F(JetsqlArchivo, ArchivoIlegibleSinCaida) {
  QFile Archivo(F_Dir.filePath(QStringLiteral("dañado.accdb")));
  ASSERT_TRUE(Archivo.open(QIODevice::WriteOnly));
  Archivo.write(QByteArray(4096, '\x01'));
  Archivo.close();
  const TSalida Salida = Jetsql({Archivo.fileName(), "SELECT 1"});
  EXPECT_EQ(Salida.nCodigo, 1);
  EXPECT_EQ(Salida.sError, QStringLiteral("EArchivoJet - El archivo \"%1\" no es una base de datos de Access (Jet 3 o Jet 4).\n")
                               .arg(Archivo.fileName()));
}

TEST(Jetsql, UsoIncorrecto) {
  const TSalida Salida = Jetsql({"solo-un-argumento"});
  EXPECT_EQ(Salida.nCodigo, 1);
  EXPECT_EQ(Salida.sError, QStringLiteral("uso: jetsql [--password P] [--param NOMBRE=VALOR]... ARCHIVO.mdb \"SQL\"\n"));
}

}  // namespace
