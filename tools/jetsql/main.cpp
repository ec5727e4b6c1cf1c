// jetsql [--password P] FILE.mdb "SQL": one Jet query through our engine, as CSV.
#include "ado/ConexionADO.h"
#include "ado/ErrorADO.h"
#include "jetsql/CsvJet.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>
#include <exception>

namespace {

int Falla(const QString& sClase, const QString& sMensaje) {
  std::fprintf(stderr, "%s - %s\n", sClase.toUtf8().constData(), sMensaje.toUtf8().constData());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication App(argc, argv);
  QStringList Argumentos = App.arguments().mid(1);
  QString sPassword;
  if (Argumentos.size() >= 2 && Argumentos[0] == QStringLiteral("--password")) {
    sPassword = Argumentos[1];
    Argumentos = Argumentos.mid(2);
  }
  if (Argumentos.size() != 2) {
    std::fprintf(stderr, "uso: jetsql [--password P] ARCHIVO.mdb \"SQL\"\n");
    return 1;
  }
  try {
    ado::TConexionADO Conexion;
    Conexion.SetConnectionString(jetsql::CadenaJet(Argumentos[0], sPassword));
    Conexion.SetConnected(true);
    const QByteArray sCsv = jetsql::ConsultaCsv(Conexion, Argumentos[1]).toUtf8();
    std::fwrite(sCsv.constData(), 1, size_t(sCsv.size()), stdout);
    return 0;
  } catch (const ado::EErrorADO& Error) {
    return Falla(Error.Clase(), Error.Mensaje());
  } catch (const std::exception& Error) {
    return Falla(QStringLiteral("Error"), QString::fromLocal8Bit(Error.what()));
  }
}
