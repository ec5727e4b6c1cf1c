// jetsql [--password P] [--param NAME=VALUE]... FILE.mdb "SQL": one Jet query through our
// engine, as CSV.
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
  ado::jet::TParametrosJet Parametros;
  bool bUsoValido = true;
  while (bUsoValido && Argumentos.size() >= 2 && Argumentos[0].startsWith(QStringLiteral("--"))) {
    const qsizetype nIgual = Argumentos[1].indexOf(u'=');
    if (Argumentos[0] == QStringLiteral("--password"))
      sPassword = Argumentos[1];
    else if (Argumentos[0] == QStringLiteral("--param") && nIgual > 0)
      Parametros[Argumentos[1].left(nIgual)] = Argumentos[1].mid(nIgual + 1);
    else
      bUsoValido = false;
    Argumentos = Argumentos.mid(2);
  }
  if (!bUsoValido || Argumentos.size() != 2) {
    std::fprintf(stderr, "uso: jetsql [--password P] [--param NOMBRE=VALOR]... ARCHIVO.mdb \"SQL\"\n");
    return 1;
  }
  try {
    ado::TConexionADO Conexion;
    Conexion.SetConnectionString(jetsql::CadenaJet(Argumentos[0], sPassword));
    Conexion.SetConnected(true);
    const QByteArray sCsv = jetsql::ConsultaCsv(Conexion, Argumentos[1], Parametros).toUtf8();
    std::fwrite(sCsv.constData(), 1, size_t(sCsv.size()), stdout);
    return 0;
  } catch (const ado::EErrorADO& Error) {
    return Falla(Error.Clase(), Error.Mensaje());
  } catch (const std::exception& Error) {
    return Falla(QStringLiteral("Error"), QString::fromLocal8Bit(Error.what()));
  }
}
